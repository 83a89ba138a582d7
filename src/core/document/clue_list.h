#pragma once

#include <string>
#include <vector>

#include "core/document/definitions.h"
#include "core/grid/grid.h"
#include "core/grid/slot.h"

namespace quirvo {

// One entry of the numbered word list a solver reads: the slot, the grid's
// number at its first cell and its definition ("" while none is written).
struct Clue {
    Slot slot;
    int number = 0;
    std::string text;
};

// The slots of one direction in number order, each with its definition.
std::vector<Clue> cluesOf(const Grid& grid, const Definitions& definitions, Direction direction);

}  // namespace quirvo
