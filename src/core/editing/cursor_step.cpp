#include "core/editing/cursor_step.h"

namespace quirvo {

namespace {

int wrapSilently(int value, int count) {
    if (value >= count) return 0;
    if (value < 0) return count - 1;
    return value;
}

}  // namespace

CursorStep avanza(const Grid& grid, int curRow, int curCol, int incr, int incc) {
    const int rows = grid.rowCount;
    const int cols = grid.colCount;
    CursorStep step{curRow + incr, curCol + incc};
    int nextIncr = 0;
    int nextIncc = 0;
    if (step.row >= rows) {
        step.row = 0;
        nextIncc = 1;
        step.wrapped = true;
    } else if (step.row < 0) {
        step.row = rows - 1;
        nextIncc = -1;
        step.wrapped = true;
    } else if (step.col >= cols) {
        step.col = 0;
        nextIncr = 1;
        step.wrapped = true;
    } else if (step.col < 0) {
        step.col = cols - 1;
        nextIncr = -1;
        step.wrapped = true;
    }
    step.row = wrapSilently(step.row + nextIncr, rows);
    step.col = wrapSilently(step.col + nextIncc, cols);
    step.landedOnBlack = grid.isBlack(step.row, step.col);
    return step;
}

}  // namespace quirvo
