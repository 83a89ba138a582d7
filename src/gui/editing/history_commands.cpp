#include "gui/editing/history_commands.h"

#include <QAction>

#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/status_panels.h"
#include "gui/display/grid_view.h"
#include "gui/editing/editing_display.h"

namespace quirvo {

HistoryCommands::HistoryCommands(MainWindow& window) : w_(window) {}

void HistoryCommands::announceReset() {
    showMessage(&w_, "Attenzione!", "La memoria delle modifiche viene ora azzerarata");
}

void HistoryCommands::announceFailure() {
    showMessage(&w_, "Attenzione !",
                "Probabile anomalia nella memorizzazione delle modifiche. Possibili errori di Rpristino.");
}

void HistoryCommands::aggior(char carm) {
    const Session& s = w_.session();
    write({{s.curRow, s.curCol, carm}});
}

void HistoryCommands::write(const std::vector<CellWrite>& writes) {
    const RecordOutcome outcome = w_.document().write(writes);
    if (outcome.historyReset) announceReset();
    if (outcome.recorded) w_.button("a7")->setEnabled(true);
}

void HistoryCommands::writeAll(const std::vector<CellWrite>& writes) {
    const RecordOutcome outcome = w_.document().writeAll(writes);
    if (outcome.historyReset) announceReset();
    if (outcome.recorded) w_.button("a7")->setEnabled(true);
}

void HistoryCommands::resetIfFull() {
    ChangeHistory& h = w_.session().history;
    if (!h.full()) return;
    h.clear();
    announceReset();
}

// A walk over a whole filled grid outlines hundreds of cells: they are laid
// on the picture together, and only the last one is drawn at once.
void HistoryCommands::showWalk(const HistoryWalk& walk) {
    Session& s = w_.session();
    if (walk.changedCells.empty()) return;
    for (size_t i = 0; i + 1 < walk.changedCells.size(); ++i) {
        const auto [row, col] = walk.changedCells[i];
        w_.peri()->addOutline(QRectF(col, row, 1, 1), QColor(255, 0, 0));
    }
    const auto [row, col] = walk.changedCells.back();
    s.curRow = static_cast<int16_t>(row);
    s.curCol = static_cast<int16_t>(col);
    outlineCell(w_, row, col);
}

void HistoryCommands::undo() {
    Session& s = w_.session();
    s.priclk = 0;
    const HistoryWalk walk = w_.document().undo();
    if (walk.failed) {
        announceFailure();
        return;
    }
    showWalk(walk);
    w_.button("a8")->setEnabled(true);
    if (s.history.historyPos == 0) w_.button("a7")->setEnabled(false);
    w_.stb1()->setText(2, QStringLiteral(" Annullo n. %1 ").arg(s.history.historyPos / 3 + 1));
    w_.stb1()->setText(3, " ");
    w_.stb1()->setText(4, " ");
}

void HistoryCommands::redo() {
    Session& s = w_.session();
    s.priclk = 0;
    const HistoryWalk walk = w_.document().redo();
    if (walk.failed) {
        announceFailure();
        return;
    }
    showWalk(walk);
    w_.button("a7")->setEnabled(true);
    if (s.history.historyPos == s.history.historyTop) w_.button("a8")->setEnabled(false);
    w_.stb1()->setText(2, QStringLiteral(" Ripristino n. %1 ").arg(s.history.historyPos / 3));
    w_.stb1()->setText(3, " ");
    w_.stb1()->setText(4, " ");
}

void HistoryCommands::takeBack() {
    if (w_.document().undo().failed) announceFailure();
}

}  // namespace quirvo
