#pragma once

#include <vector>

#include "core/grid/grid.h"

namespace quirvo {

// Crossword numbers in reading order: one entry per cell (row-major),
// 0 for a cell that starts no word.
std::vector<int> numberCells(const Grid& grid);

}  // namespace quirvo
