#include "core/grid/change_history.h"

namespace quirvo {

void ChangeHistory::clear() {
    changeHistory.fill(0);
    historyPos = 0;
    historyTop = 0;
}

RecordOutcome aggior(Grid& grid, ChangeHistory& history, int row, int col, char carm) {
    RecordOutcome outcome;
    const char old = grid.cell(row, col);
    if (carm == old) return outcome;
    if (history.full()) {
        history.clear();
        outcome.historyReset = true;
    }
    // A cell missing from a short row (a grid file may hold one) cannot be
    // written, so recording it would leave undo a change it cannot take back.
    if (grid.inside(row, col) && old != '\0') {
        auto& h = history.changeHistory;
        h[history.historyPos] = static_cast<int16_t>(history.groupMark + row);
        h[history.historyPos + 1] = static_cast<int16_t>(col);
        h[history.historyPos + 2] = static_cast<unsigned char>(old);
        history.groupMark = 0;
        history.historyPos += 3;
        history.historyTop = history.historyPos;
        grid.setCell(row, col, carm);
    }
    outcome.recorded = true;
    return outcome;
}

namespace {

// Exchanges the stored code of the triple at i with the cell it names.
bool swapTriple(Grid& grid, ChangeHistory& history, int i, HistoryWalk& walk) {
    auto& h = history.changeHistory;
    const int flag = h[i] / ChangeHistory::GROUP_MARK;
    const int row = h[i] - ChangeHistory::GROUP_MARK * flag;
    const int col = h[i + 1];
    if (!grid.inside(row, col) || grid.cell(row, col) == '\0') {
        walk.failed = true;
        return false;
    }
    const char copia = grid.cell(row, col);
    grid.setCell(row, col, static_cast<char>(h[i + 2]));
    h[i + 2] = static_cast<unsigned char>(copia);
    walk.changedCells.emplace_back(row, col);
    return true;
}

}  // namespace

HistoryWalk undoGroup(Grid& grid, ChangeHistory& history) {
    HistoryWalk walk;
    int i = history.historyPos;
    for (; i >= 3; i -= 3) {
        if (!swapTriple(grid, history, i - 3, walk)) return walk;
        if (history.changeHistory[i - 3] >= ChangeHistory::GROUP_MARK) {
            i -= 3;
            break;
        }
    }
    history.historyPos = static_cast<int16_t>(i < 0 ? 0 : i);
    return walk;
}

HistoryWalk redoGroup(Grid& grid, ChangeHistory& history) {
    HistoryWalk walk;
    int i = history.historyPos;
    bool stopped = false;
    for (; i <= history.historyTop - 3; i += 3) {
        if (!swapTriple(grid, history, i, walk)) return walk;
        if (i + 3 <= ChangeHistory::CAPACITY &&
            history.changeHistory[i + 3] >= ChangeHistory::GROUP_MARK) {
            i += 3;
            stopped = true;
            break;
        }
    }
    history.historyPos = static_cast<int16_t>(stopped ? i : history.historyTop);
    return walk;
}

}  // namespace quirvo
