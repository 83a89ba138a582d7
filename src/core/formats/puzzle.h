#pragma once

#include <string>

#include "core/document/definitions.h"
#include "core/grid/grid.h"

namespace quirvo {

// What the exchange formats and the printed page carry: the grid, its
// definitions, a title and an author (UTF-8).
struct Puzzle {
    Grid grid;
    Definitions definitions;
    std::string title;
    std::string author;
};

// The grid with the older block code "@" turned into the standard one, as
// the screen shows it; other programs know only one kind of block.
Grid withStandardBlocks(Grid grid);

}  // namespace quirvo
