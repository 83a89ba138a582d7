#include "core/formats/puzzle.h"

#include <algorithm>

#include "core/grid/cell_codes.h"

namespace quirvo {

Grid withStandardBlocks(Grid grid) {
    for (std::string& row : grid.gridRows) std::replace(row.begin(), row.end(), ALT_BLACK_CELL, BLACK_CELL);
    return grid;
}

}  // namespace quirvo
