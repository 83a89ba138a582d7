#include "core/grid/change_history.h"

#include <algorithm>

namespace quirvo {

void ChangeHistory::clear() {
    changeHistory.fill(0);
    historyPos = 0;
    historyTop = 0;
    bulkGroups.clear();
}

void ChangeHistory::dropBulkFrom(int pos) {
    std::erase_if(bulkGroups, [pos](const BulkGroup& b) { return b.pos >= pos; });
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
        history.dropBulkFrom(history.historyPos);
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

RecordOutcome aggiorBulk(Grid& grid, ChangeHistory& history, const std::vector<CellChange>& changes) {
    RecordOutcome outcome;
    ChangeHistory::BulkGroup group;
    for (const CellChange& change : changes) {
        if (!grid.inside(change.row, change.col)) continue;
        const char old = grid.cell(change.row, change.col);
        if (old == '\0' || old == change.code) continue;
        group.cells.push_back({change.row, change.col, old});
    }
    if (group.cells.empty()) return outcome;
    if (history.full()) {
        history.clear();
        outcome.historyReset = true;
    }
    for (const CellChange& change : changes)
        if (grid.inside(change.row, change.col) && grid.cell(change.row, change.col) != '\0')
            grid.setCell(change.row, change.col, change.code);
    history.dropBulkFrom(history.historyPos);
    group.pos = history.historyPos;
    auto& h = history.changeHistory;
    h[history.historyPos] = ChangeHistory::GROUP_MARK + ChangeHistory::BULK_ROW;
    h[history.historyPos + 1] = 0;
    h[history.historyPos + 2] = 0;
    history.bulkGroups.push_back(std::move(group));
    history.groupMark = 0;
    history.historyPos += 3;
    history.historyTop = history.historyPos;
    outcome.recorded = true;
    return outcome;
}

namespace {

// Exchanges every cell of the bulk group at triple i with its stored code;
// all or nothing, so a failed walk leaves the grid as it was.
bool swapBulk(Grid& grid, ChangeHistory& history, int i, HistoryWalk& walk) {
    auto group = std::find_if(history.bulkGroups.begin(), history.bulkGroups.end(),
                              [i](const ChangeHistory::BulkGroup& b) { return b.pos == i; });
    const bool sound = group != history.bulkGroups.end() &&
                       std::all_of(group->cells.begin(), group->cells.end(), [&](const CellChange& c) {
                           return grid.inside(c.row, c.col) && grid.cell(c.row, c.col) != '\0';
                       });
    if (!sound) {
        walk.failed = true;
        return false;
    }
    for (CellChange& c : group->cells) {
        const char copia = grid.cell(c.row, c.col);
        grid.setCell(c.row, c.col, c.code);
        c.code = copia;
        walk.changedCells.emplace_back(c.row, c.col);
    }
    return true;
}

// Exchanges the stored code of the triple at i with the cell it names.
bool swapTriple(Grid& grid, ChangeHistory& history, int i, HistoryWalk& walk) {
    auto& h = history.changeHistory;
    const int flag = h[i] / ChangeHistory::GROUP_MARK;
    const int row = h[i] - ChangeHistory::GROUP_MARK * flag;
    const int col = h[i + 1];
    if (row == ChangeHistory::BULK_ROW) return swapBulk(grid, history, i, walk);
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
