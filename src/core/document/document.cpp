#include "core/document/document.h"

namespace quirvo {

WriteOutcome writeCells(Document& document, const std::vector<CellWrite>& writes) {
    WriteOutcome outcome;
    for (const CellWrite& w : writes) {
        const char before = document.grid.cell(w.row, w.col);
        const RecordOutcome one = aggior(document.grid, document.history, w.row, w.col, w.code);
        outcome.record.recorded |= one.recorded;
        outcome.record.historyReset |= one.historyReset;
        if (document.grid.cell(w.row, w.col) != before) outcome.changedCells.emplace_back(w.row, w.col);
    }
    if (outcome.record.recorded) document.gridModified = 1;
    return outcome;
}

WriteOutcome writeAllCells(Document& document, const std::vector<CellWrite>& writes) {
    WriteOutcome outcome;
    std::vector<CellChange> changes;
    for (const CellWrite& w : writes) {
        if (document.grid.inside(w.row, w.col) && document.grid.cell(w.row, w.col) != w.code)
            outcome.changedCells.emplace_back(w.row, w.col);
        changes.push_back({int16_t(w.row), int16_t(w.col), w.code});
    }
    outcome.record = aggiorBulk(document.grid, document.history, changes);
    if (outcome.record.recorded) document.gridModified = 1;
    return outcome;
}

std::vector<CellWrite> changedCells(const Grid& from, const Grid& to) {
    std::vector<CellWrite> changes;
    for (int r = 0; r < from.rowCount; ++r)
        for (int c = 0; c < from.colCount; ++c)
            if (to.cell(r, c) != from.cell(r, c)) changes.push_back({r, c, to.cell(r, c)});
    return changes;
}

}  // namespace quirvo
