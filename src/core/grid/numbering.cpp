#include "core/grid/numbering.h"

namespace quirvo {

namespace {

bool startsAcross(const Grid& g, int r, int c) {
    return (c == 0 || g.isBlack(r, c - 1)) && c < g.colCount - 1 && !g.isBlack(r, c + 1);
}

bool startsDown(const Grid& g, int r, int c) {
    return (r == 0 || g.isBlack(r - 1, c)) && r < g.rowCount - 1 && !g.isBlack(r + 1, c);
}

}  // namespace

std::vector<int> numberCells(const Grid& grid) {
    std::vector<int> numbers(static_cast<size_t>(grid.rowCount) * grid.colCount, 0);
    int n = 0;
    for (int r = 0; r < grid.rowCount; ++r) {
        for (int c = 0; c < grid.colCount; ++c) {
            if (grid.isBlack(r, c)) continue;
            if (startsAcross(grid, r, c) || startsDown(grid, r, c))
                numbers[static_cast<size_t>(r) * grid.colCount + c] = ++n;
        }
    }
    return numbers;
}

}  // namespace quirvo
