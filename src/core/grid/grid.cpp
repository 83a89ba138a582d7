#include "core/grid/grid.h"

#include <algorithm>

#include "core/grid/cell_codes.h"

namespace quirvo {

bool sizeWithinLimits(int rows, int cols) {
    return rows >= MIN_ROWS && rows <= MAX_ROWS && cols >= MIN_COLS && cols <= MAX_COLS &&
           rows * cols <= MAX_CELLS;
}

Grid Grid::blank(int rows, int cols) {
    Grid grid;
    grid.rowCount = static_cast<int16_t>(rows);
    grid.colCount = static_cast<int16_t>(cols);
    grid.maxWordLen = static_cast<int16_t>(std::max(rows, cols));
    grid.gridRows.assign(rows + 1, std::string(cols, EMPTY_CELL));
    return grid;
}

char Grid::cell(int row, int col) const {
    if (row < 0 || col < 0 || row >= static_cast<int>(gridRows.size())) return '\0';
    const std::string& line = gridRows[row];
    return col < static_cast<int>(line.size()) ? line[col] : '\0';
}

bool Grid::isBlack(int row, int col) const { return cell(row, col) == BLACK_CELL; }

void Grid::setCell(int row, int col, char code) {
    if (row < 0 || col < 0 || row >= static_cast<int>(gridRows.size())) return;
    std::string& line = gridRows[row];
    if (col < static_cast<int>(line.size())) line[col] = code;
}

}  // namespace quirvo
