#include "gui/editing/grid_mouse.h"

#include <QListWidget>
#include <algorithm>
#include <cmath>

#include "core/grid/cell_codes.h"
#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "gui/editing/editing_display.h"
#include "gui/editing/grid_keyboard.h"
#include "gui/editing/history_commands.h"
#include "gui/editing/suggestion_requests.h"

namespace quirvo {

namespace {

int16_t cellUnder(double v, int count) {
    return static_cast<int16_t>(std::clamp(static_cast<int>(std::floor(v)), 0, std::max(0, count - 1)));
}

}  // namespace

GridMouse::GridMouse(MainWindow& window) : w_(window) {
    GridView* peri = w_.peri();
    connect(peri, &GridView::mousePressed, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers, double x, double y) { Peri_MouseDown(b, x, y); });
    connect(peri, &GridView::mouseMoved, this,
            [this](Qt::MouseButtons b, Qt::KeyboardModifiers, double x, double y) { Peri_MouseMove(b, x, y); });
    connect(peri, &GridView::mouseReleased, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers, double x, double y) { Peri_MouseUp(b, x, y); });
    connect(peri, &GridView::clicked, this, &GridMouse::Peri_Click);
}

bool GridMouse::dragMode() const {
    const int mode = w_.session().workMode;
    return mode == 1 || mode == 2;
}

RunDrag::Axis GridMouse::axis() const {
    return w_.session().workMode == 2 ? RunDrag::Axis::Column : RunDrag::Axis::Row;
}

void GridMouse::Peri_MouseDown(Qt::MouseButton button, double x, double y) {
    Session& s = w_.session();
    const Grid& g = s.grid;
    if (button != Qt::LeftButton || !g.exists()) return;
    // A tap on a touch screen or a pen brings no hover before it: the click
    // still acts on the cell under it.
    if (s.busyLevel < 1) {
        s.curCol = cellUnder(x, g.colCount);
        s.curRow = cellUnder(y, g.rowCount);
    }
    if (dragMode()) drag_.press(x, y, g.rowCount, g.colCount);
}

void GridMouse::Peri_MouseMove(Qt::MouseButtons, double x, double y) {
    const Session& s = w_.session();
    if (s.busyLevel >= 1 || !s.grid.exists()) return;
    if (drag_.dragging() && dragMode())
        dragOver(x, y);
    else
        hover(x, y);
}

void GridMouse::hover(double x, double y) {
    Session& s = w_.session();
    s.curCol = cellUnder(x, s.grid.colCount);
    s.curRow = cellUnder(y, s.grid.rowCount);
    if (s.workMode == 3 || s.workMode == 4) {
        w_.rinfresca();
        outlineCell(w_, s.curRow, s.curCol);
    }
    if (w_.peri()->cursor().shape() != Qt::WaitCursor) {
        w_.peri()->setCursor(modePointer(w_));
        w_.lists()->unsetCursor();
    }
}

void GridMouse::dragOver(double x, double y) {
    const Grid& g = w_.session().grid;
    w_.peri()->setCursor(Qt::ArrowCursor);
    if (drag_.move(axis(), x, y, g.rowCount, g.colCount) == RunDrag::Move::Ended) {
        w_.rinfresca();
        return;
    }
    const CellRun& run = drag_.shown();
    w_.peri()->setDragRect(QRectF(run.firstCol, run.firstRow, run.lastCol - run.firstCol + 1,
                                  run.lastRow - run.firstRow + 1));
}

void GridMouse::Peri_MouseUp(Qt::MouseButton button, double x, double y) {
    lastReleased_ = button;
    drag_.stop();
    Session& s = w_.session();
    if (button != Qt::LeftButton || !dragMode() || !s.grid.exists()) return;
    w_.peri()->setCursor(modePointer(w_));
    drag_.release(axis(), x, y, s.grid.rowCount, s.grid.colCount);
    s.curRow = static_cast<int16_t>(drag_.startRow());
    s.curCol = static_cast<int16_t>(drag_.startCol());
}

void GridMouse::Peri_Click() {
    Session& s = w_.session();
    if (lastReleased_ != Qt::LeftButton || s.busyLevel >= 1 || !s.grid.exists()) return;
    const DragCut pick = clickCommonPart();
    switch (s.workMode) {
    case 0: blackenOrWhiten(); break;
    case 1:
    case 2: w_.controller<SuggestionRequests>()->slotClick(pick); break;
    case 3:
    case 4: placeWritingCursor(); break;
    case 5: clearCell(); break;
    case 6: w_.controller<SuggestionRequests>()->crossingClick(w_.controller<GridKeyboard>()->vocali() == 1); break;
    default: break;
    }
}

DragCut GridMouse::clickCommonPart() {
    Session& s = w_.session();
    StatusPanels* stb = w_.stb1();
    for (int panel = 2; panel <= 4; ++panel) stb->setText(panel, " ");
    const DragCut pick = drag_.takeForClick();
    clearResultList(w_);
    stb->setTip(2, QString());
    s.slot.tailCut.clear();
    s.slot.headCut.clear();
    s.history.groupMark = ChangeHistory::GROUP_MARK;
    stb->setText(4, QStringLiteral(" R%1 C%2  ").arg(s.curRow + 1).arg(s.curCol + 1));
    s.priclk = 0;
    return pick;
}

void GridMouse::blackenOrWhiten() {
    Session& s = w_.session();
    const bool black = s.grid.cell(s.curRow, s.curCol) == BLACK_CELL;
    w_.stb1()->setText(2, black ? " sbiancata " : " annerita ");
    w_.stb1()->setText(3, " ");
    w_.controller<HistoryCommands>()->aggior(black ? EMPTY_CELL : BLACK_CELL);
    outlineCell(w_, s.curRow, s.curCol);
}

void GridMouse::placeWritingCursor() {
    const Session& s = w_.session();
    w_.rinfresca();
    outlineCell(w_, s.curRow, s.curCol);
}

void GridMouse::clearCell() {
    Session& s = w_.session();
    const char carr = s.grid.cell(s.curRow, s.curCol);
    if (carr != EMPTY_CELL)
        w_.controller<HistoryCommands>()->aggior(EMPTY_CELL);
    else
        w_.rinfresca();
    outlineCell(w_, s.curRow, s.curCol);
    if (carr == EMPTY_CELL) {
        w_.stb1()->setText(2, " ");
        w_.stb1()->setText(3, QString::fromUtf8(" è già vuota! "));
        MainWindow::beep();
    } else {
        w_.stb1()->setText(2, " ripulita ");
        w_.stb1()->setText(3, " ");
    }
}

}  // namespace quirvo
