#include "gui/editing/grid_keyboard.h"

#include <algorithm>

#include "core/editing/cursor_step.h"
#include "core/editing/grid_keys.h"
#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "gui/editing/editing_display.h"
#include "gui/editing/history_commands.h"

namespace quirvo {

namespace {

// The grid's key code of a Qt key; 0 for the keys the grid ignores (digits,
// accented letters, punctuation, function keys).
int gridKeyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Backspace: return keycode::BACKSPACE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return keycode::TAB;
    case Qt::Key_Left: return keycode::LEFT;
    case Qt::Key_Up: return keycode::UP;
    case Qt::Key_Right: return keycode::RIGHT;
    case Qt::Key_Down: return keycode::DOWN;
    case Qt::Key_Space: return keycode::SPACE;
    default: break;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
    return 0;
}

}  // namespace

GridKeyboard::GridKeyboard(MainWindow& window, HistoryCommands& history) : w_(window), history_(history) {
    connect(w_.peri(), &GridView::keyPressed, this,
            [this](int key, Qt::KeyboardModifiers mods, const QString&) { Peri_KeyDown(key, mods); });
}

void GridKeyboard::Peri_KeyDown(int qtKey, Qt::KeyboardModifiers mods) {
    Session& s = w_.session();
    if (s.busyLevel > 0 || !s.grid.exists()) return;
    const Qt::KeyboardModifiers shiftState = mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    vocali_ = shiftState == Qt::ControlModifier && s.workMode == 6 ? 1 : 0;
    if (s.workMode != 3 && s.workMode != 4) return;

    // A grid opened after the cursor was placed may be smaller than the old one.
    s.curRow = static_cast<int16_t>(std::clamp<int>(s.curRow, 0, s.grid.rowCount - 1));
    s.curCol = static_cast<int16_t>(std::clamp<int>(s.curCol, 0, s.grid.colCount - 1));
    s.history.groupMark = ChangeHistory::GROUP_MARK;
    const HeldKeys held{mods.testFlag(Qt::ShiftModifier), mods.testFlag(Qt::ControlModifier),
                        mods.testFlag(Qt::AltModifier)};
    const KeyEffect effect = keyEffect(gridKeyCode(qtKey), held, s.workMode);
    if (effect.kind == KeyEffect::Kind::Step) {
        avanza(effect.incr, effect.incc);
    } else if (effect.kind == KeyEffect::Kind::Write) {
        const QChar typed = qtKey == Qt::Key_Space ? QChar(' ') : QChar::fromLatin1(effect.carm);
        write(effect.carm, typed);
    }
}

void GridKeyboard::write(char carm, const QString& shown) {
    Session& s = w_.session();
    if (s.grid.isBlack(s.curRow, s.curCol)) {
        MainWindow::beep();
        return;
    }
    clearResultList(w_);
    StatusPanels* stb = w_.stb1();
    stb->setText(2, " " + shown + " ");
    stb->setText(3, " ");
    // Numbered from 1, as a click on the cell shows it.
    stb->setText(4, QStringLiteral(" R%1 C%2 ").arg(s.curRow + 1).arg(s.curCol + 1));
    stb->setTip(2, QString());
    history_.aggior(carm);
    // The latest change is now this key, no longer a transfer the list may take back.
    s.priclk = 0;
    outlineCell(w_, s.curRow, s.curCol);
    int incr = 0, incc = 0;
    writingStep(s.workMode, incr, incc);
    avanza(incr, incc);
}

void GridKeyboard::avanza(int incr, int incc) {
    Session& s = w_.session();
    const CursorStep step = quirvo::avanza(s.grid, s.curRow, s.curCol, incr, incc);
    s.curRow = static_cast<int16_t>(step.row);
    s.curCol = static_cast<int16_t>(step.col);
    if (step.wrapped) MainWindow::beep();
    if (step.landedOnBlack) MainWindow::beep();
    w_.rinfresca();
    outlineCell(w_, s.curRow, s.curCol);
}

}  // namespace quirvo
