#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/grid/grid.h"

namespace quirvo {

// Undo storage: triples (row, column, previous code), the row of a group's
// first triple raised by GROUP_MARK. Fixed at 100 triples, as the status
// texts and the "memory full" reset rely on that capacity.
struct ChangeHistory {
    static constexpr int16_t CAPACITY = 300;
    static constexpr int16_t GROUP_MARK = 1000;

    std::array<int16_t, CAPACITY + 1> changeHistory{};
    int16_t historyPos = 0;
    int16_t historyTop = 0;
    int16_t groupMark = 0;

    bool full() const { return historyPos == CAPACITY; }
    void clear();
};

struct RecordOutcome {
    bool recorded = false;      // the change was accepted: undo enabled, grid modified
    bool historyReset = false;  // the history was full and has been emptied first
};

// aggior: writes carm into (row, col) and records the old code.
RecordOutcome aggior(Grid& grid, ChangeHistory& history, int row, int col, char carm);

struct HistoryWalk {
    std::vector<std::pair<int, int>> changedCells;  // (row, col) in walk order
    bool failed = false;  // an entry pointed outside the grid; the walk stopped there
};

// One group backwards (undo and the take-back of a provisional transfer).
HistoryWalk undoGroup(Grid& grid, ChangeHistory& history);
// One group forwards again.
HistoryWalk redoGroup(Grid& grid, ChangeHistory& history);

}  // namespace quirvo
