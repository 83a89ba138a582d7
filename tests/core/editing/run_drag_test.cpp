#include <gtest/gtest.h>

#include "core/editing/run_drag.h"

namespace quirvo {
namespace {

constexpr int ROWS = 4, COLS = 6;

TEST(RunDrag, ClickWithoutDragCutsNothing) {
    RunDrag d;
    d.press(2.7, 1.2, ROWS, COLS);
    d.release(RunDrag::Axis::Row, 2.9, 1.5, ROWS, COLS);
    EXPECT_EQ(d.startCol(), 2);
    EXPECT_EQ(d.startRow(), 1);
    EXPECT_FALSE(d.takeForClick().erablu);
}

TEST(RunDrag, RowDragEitherWayPicksTheSameRun) {
    for (const auto& [from, to] : {std::pair{1.5, 3.5}, std::pair{3.5, 1.5}}) {
        RunDrag d;
        d.press(from, 2.5, ROWS, COLS);
        ASSERT_EQ(d.move(RunDrag::Axis::Row, to, 0.2, ROWS, COLS), RunDrag::Move::Drawn);
        EXPECT_EQ(d.shown().firstCol, 1);
        EXPECT_EQ(d.shown().lastCol, 3);
        EXPECT_EQ(d.shown().firstRow, 2);  // the row stays the one pressed
        d.release(RunDrag::Axis::Row, to, 0.2, ROWS, COLS);
        EXPECT_EQ(d.startCol(), 1);
        const DragCut pick = d.takeForClick();
        EXPECT_TRUE(pick.erablu);
        EXPECT_EQ(pick.x1blu, 1);
        EXPECT_EQ(pick.x2o, 3);
        EXPECT_FALSE(d.takeForClick().erablu) << "a pick serves one click only";
    }
}

TEST(RunDrag, DraggingBackTowardsTheAnchorShrinksTheRun) {
    RunDrag d;
    d.press(4.5, 0.5, ROWS, COLS);
    d.move(RunDrag::Axis::Row, 1.5, 0.5, ROWS, COLS);
    d.move(RunDrag::Axis::Row, 3.5, 0.5, ROWS, COLS);
    EXPECT_EQ(d.shown().firstCol, 3);
    EXPECT_EQ(d.shown().lastCol, 4);
}

TEST(RunDrag, ColumnDragAndLeavingTheGridEndsIt) {
    RunDrag d;
    d.press(2.5, 0.5, ROWS, COLS);
    d.move(RunDrag::Axis::Column, 5.9, 2.5, ROWS, COLS);
    EXPECT_EQ(d.shown().firstCol, 2);
    EXPECT_EQ(d.shown().lastRow, 2);
    EXPECT_EQ(d.move(RunDrag::Axis::Column, 2.5, 4.2, ROWS, COLS), RunDrag::Move::Ended);
    EXPECT_FALSE(d.dragging());
    d.release(RunDrag::Axis::Column, 2.5, 9.0, ROWS, COLS);  // held at the last row
    const DragCut pick = d.takeForClick();
    EXPECT_EQ(pick.y1blu, 0);
    EXPECT_EQ(pick.y2o, ROWS - 1);
}

TEST(RunDrag, PressOnTheBorderIsHeldInsideTheGrid) {
    RunDrag d;
    d.press(-0.02, 6.01, ROWS, COLS);
    EXPECT_EQ(d.shown().firstCol, 0);
    EXPECT_EQ(d.shown().firstRow, ROWS - 1);
}

}  // namespace
}  // namespace quirvo
