#pragma once

#include "core/editing/drag_cut.h"

namespace quirvo {

// A rectangle of whole cells, first and last inclusive.
struct CellRun {
    int firstRow = 0, firstCol = 0;
    int lastRow = 0, lastCol = 0;
    bool single() const { return firstRow == lastRow && firstCol == lastCol; }
};

// Picking part of a row (or column) run by dragging over it with the
// button held. Positions are in cell units (x = column, y = row). The run
// always spans from the cell where the button went down to the cell under
// the pointer, whichever side of it the pointer is on.
class RunDrag {
public:
    enum class Axis { Row, Column };
    enum class Move { Drawn, Ended };

    // Button down: the anchor is the cell under the pointer, held inside the grid.
    void press(double x, double y, int rows, int cols);
    // Pointer moved with the drag under way. Drawn: shown() is the run to
    // outline. Ended: the pointer left the grid and the drag is over.
    Move move(Axis axis, double x, double y, int rows, int cols);
    // Button up: the run from the anchor to the release point, held inside
    // the grid; it is kept for the click that follows.
    void release(Axis axis, double x, double y, int rows, int cols);
    // Any button up ends the drag, whatever the mode.
    void stop() { dragging_ = false; }

    bool dragging() const { return dragging_; }
    const CellRun& shown() const { return run_; }
    // The cell the click acts on: the first cell of the run picked.
    int startRow() const { return picked_.firstRow; }
    int startCol() const { return picked_.firstCol; }
    // Hands the picked run to one click and forgets it.
    DragCut takeForClick();

private:
    CellRun spanTo(Axis axis, int row, int col) const;

    int anchorRow_ = 0, anchorCol_ = 0;
    bool dragging_ = false;
    bool hasPick_ = false;
    CellRun run_;
    CellRun picked_;
};

}  // namespace quirvo
