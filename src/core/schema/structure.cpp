#include "core/schema/structure.h"

#include <vector>

namespace quirvo {

std::pair<int, int> partnerCell(const Grid& grid, Symmetry symmetry, int row, int col) {
    switch (symmetry) {
        case Symmetry::Rotate: return {grid.rowCount - 1 - row, grid.colCount - 1 - col};
        case Symmetry::Mirror: return {row, grid.colCount - 1 - col};
        case Symmetry::None: break;
    }
    return {row, col};
}

int blackCount(const Grid& grid) {
    int count = 0;
    for (int r = 0; r < grid.rowCount; ++r)
        for (int c = 0; c < grid.colCount; ++c) count += grid.isBlack(r, c);
    return count;
}

int blackBudget(int rows, int cols, double share) { return int(double(rows * cols) * share + 1e-9); }

bool inBlackBlock(const Grid& grid, int row, int col) {
    for (int r = row - 1; r <= row; ++r)
        for (int c = col - 1; c <= col; ++c)
            if (grid.inside(r, c) && grid.inside(r + 1, c + 1) && grid.isBlack(r, c) && grid.isBlack(r + 1, c) &&
                grid.isBlack(r, c + 1) && grid.isBlack(r + 1, c + 1))
                return true;
    return false;
}

bool inSlot(const Grid& grid, int row, int col) {
    const auto white = [&](int r, int c) { return grid.inside(r, c) && !grid.isBlack(r, c); };
    return white(row, col) && (white(row, col - 1) || white(row, col + 1) || white(row - 1, col) || white(row + 1, col));
}

bool whiteCellsConnected(const Grid& grid) {
    const int rows = grid.rowCount, cols = grid.colCount;
    std::vector<char> seen(size_t(rows * cols), 0);
    std::vector<int> stack;
    int whites = 0, reached = 0;
    for (int i = 0; i < rows * cols; ++i) {
        if (grid.isBlack(i / cols, i % cols)) continue;
        ++whites;
        if (stack.empty() && reached == 0) {
            stack.push_back(i);
            seen[size_t(i)] = 1;
        }
    }
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        ++reached;
        const int r = i / cols, c = i % cols;
        for (const auto& [dr, dc] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int nr = r + dr, nc = c + dc;
            if (!grid.inside(nr, nc) || grid.isBlack(nr, nc) || seen[size_t(nr * cols + nc)]) continue;
            seen[size_t(nr * cols + nc)] = 1;
            stack.push_back(nr * cols + nc);
        }
    }
    return reached == whites;
}

std::string structureFault(const Grid& grid, Symmetry symmetry) {
    for (int r = 0; r < grid.rowCount; ++r)
        for (int c = 0; c < grid.colCount; ++c) {
            const std::string at = " at " + std::to_string(r) + "," + std::to_string(c);
            const auto [pr, pc] = partnerCell(grid, symmetry, r, c);
            if (grid.isBlack(r, c) != grid.isBlack(pr, pc)) return "not symmetric" + at;
            if (grid.isBlack(r, c) && inBlackBlock(grid, r, c)) return "2 x 2 black cells" + at;
            if (!grid.isBlack(r, c) && !inSlot(grid, r, c)) return "white cell in no slot" + at;
        }
    if (!whiteCellsConnected(grid)) return "white cells not connected";
    return "";
}

}  // namespace quirvo
