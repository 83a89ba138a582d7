#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/grid/grid.h"

namespace quirvo {

// One cell of a whole-grid change: where, and the code it holds on the
// side of the history (the new code before recording, the old one after).
struct CellChange {
    int16_t row = 0, col = 0;
    char code = 0;
};

// Undo storage: triples (row, column, previous code), the row of a group's
// first triple raised by GROUP_MARK. Fixed at 100 triples, as the status
// texts and the "memory full" reset rely on that capacity.
//
// A change of many cells at once (a fill of the whole grid) would not fit:
// it takes one triple of its own, row BULK_ROW with the group mark, whose
// cells are kept aside in bulkGroups under the triple's position. It undoes
// and redoes as one group and counts as one change in the status texts.
struct ChangeHistory {
    static constexpr int16_t CAPACITY = 300;
    static constexpr int16_t GROUP_MARK = 1000;
    static constexpr int16_t BULK_ROW = 999;  // beyond any grid row

    std::array<int16_t, CAPACITY + 1> changeHistory{};
    int16_t historyPos = 0;
    int16_t historyTop = 0;
    int16_t groupMark = 0;

    struct BulkGroup {
        int16_t pos = 0;  // index of its triple
        std::vector<CellChange> cells;
    };
    std::vector<BulkGroup> bulkGroups;

    bool full() const { return historyPos == CAPACITY; }
    void clear();
    // Forgets the cells of bulk triples at or above pos (about to be overwritten).
    void dropBulkFrom(int pos);
};

struct RecordOutcome {
    bool recorded = false;      // the change was accepted: undo enabled, grid modified
    bool historyReset = false;  // the history was full and has been emptied first
};

// aggior: writes carm into (row, col) and records the old code.
RecordOutcome aggior(Grid& grid, ChangeHistory& history, int row, int col, char carm);

// Writes every cell of changes (row, col, new code) as one undo group of a
// single triple; cells that already hold their code are left out, and
// nothing is recorded when none is left. Cells outside the grid are dropped.
RecordOutcome aggiorBulk(Grid& grid, ChangeHistory& history, const std::vector<CellChange>& changes);

struct HistoryWalk {
    std::vector<std::pair<int, int>> changedCells;  // (row, col) in walk order
    bool failed = false;  // an entry pointed outside the grid; the walk stopped there
};

// One group backwards (undo and the take-back of a provisional transfer).
HistoryWalk undoGroup(Grid& grid, ChangeHistory& history);
// One group forwards again.
HistoryWalk redoGroup(Grid& grid, ChangeHistory& history);

}  // namespace quirvo
