#include "core/editing/run_drag.h"

#include <algorithm>
#include <cmath>

namespace quirvo {

namespace {

int wholePart(double v) { return static_cast<int>(std::floor(v)); }

int holdWithin(int v, int count) { return std::clamp(v, 0, std::max(0, count - 1)); }

}  // namespace

void RunDrag::press(double x, double y, int rows, int cols) {
    anchorCol_ = holdWithin(wholePart(x), cols);
    anchorRow_ = holdWithin(wholePart(y), rows);
    run_ = {anchorRow_, anchorCol_, anchorRow_, anchorCol_};
    picked_ = run_;
    hasPick_ = false;
    dragging_ = true;
}

CellRun RunDrag::spanTo(Axis axis, int row, int col) const {
    if (axis == Axis::Row)
        return {anchorRow_, std::min(anchorCol_, col), anchorRow_, std::max(anchorCol_, col)};
    return {std::min(anchorRow_, row), anchorCol_, std::max(anchorRow_, row), anchorCol_};
}

RunDrag::Move RunDrag::move(Axis axis, double x, double y, int rows, int cols) {
    const int col = wholePart(x);
    const int row = wholePart(y);
    const bool outside = axis == Axis::Row ? (col < 0 || col > cols - 1) : (row < 0 || row > rows - 1);
    if (outside) {
        dragging_ = false;
        return Move::Ended;
    }
    run_ = spanTo(axis, row, col);
    return Move::Drawn;
}

void RunDrag::release(Axis axis, double x, double y, int rows, int cols) {
    dragging_ = false;
    picked_ = spanTo(axis, holdWithin(wholePart(y), rows), holdWithin(wholePart(x), cols));
    hasPick_ = true;
}

DragCut RunDrag::takeForClick() {
    DragCut pick;
    if (hasPick_ && !picked_.single()) {
        pick.erablu = true;
        pick.x1blu = static_cast<int16_t>(picked_.firstCol);
        pick.y1blu = static_cast<int16_t>(picked_.firstRow);
    }
    pick.x2o = static_cast<int16_t>(picked_.lastCol);
    pick.y2o = static_cast<int16_t>(picked_.lastRow);
    hasPick_ = false;
    return pick;
}

}  // namespace quirvo
