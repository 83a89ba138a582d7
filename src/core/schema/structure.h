#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "core/grid/grid.h"

namespace quirvo {

// How the black cells of a schema answer each other.
enum class Symmetry : uint8_t {
    None,
    Rotate,  // turned half round the centre, the pattern is the same
    Mirror,  // reflected across the middle column, the pattern is the same
};

// The cell that must match a cell under a symmetry: itself with none.
std::pair<int, int> partnerCell(const Grid& grid, Symmetry symmetry, int row, int col);

int blackCount(const Grid& grid);

// The most black cells a schema of the size may have for a share of its cells.
int blackBudget(int rows, int cols, double share);

// Whether the cell is one of a 2 x 2 square of black cells.
bool inBlackBlock(const Grid& grid, int row, int col);

// Whether a white cell lies in a run of two or more white cells, across or down.
bool inSlot(const Grid& grid, int row, int col);

bool whiteCellsConnected(const Grid& grid);

// Why the black cells of a grid do not make a schema, "" when they do:
// every white cell in a slot, the white cells connected, no 2 x 2 square
// of black cells, and the symmetry asked for.
std::string structureFault(const Grid& grid, Symmetry symmetry);

}  // namespace quirvo
