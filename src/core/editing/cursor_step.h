#pragma once

#include "core/grid/grid.h"

namespace quirvo {

// Where the writing cursor lands after one step, and what the user hears.
struct CursorStep {
    int row = 0;
    int col = 0;
    bool wrapped = false;        // the step left the grid and came back on the far side
    bool landedOnBlack = false;  // the cursor now stands on a black cell
};

// avanza: moves the writing cursor by (incr, incc). Leaving the grid on one
// side carries the cursor over to the next line (writing across goes on at
// the start of the next row, writing down at the top of the next column),
// and the bottom right corner leads back to the top left.
CursorStep avanza(const Grid& grid, int curRow, int curCol, int incr, int incc);

}  // namespace quirvo
