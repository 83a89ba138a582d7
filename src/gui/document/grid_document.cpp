#include "gui/document/grid_document.h"

namespace quirvo {

GridDocument::GridDocument(Document& document, QObject* parent) : QObject(parent), document_(document) {}

RecordOutcome GridDocument::write(const std::vector<CellWrite>& writes) {
    const WriteOutcome outcome = writeCells(document_, writes);
    announce(outcome.changedCells);
    return outcome.record;
}

RecordOutcome GridDocument::writeAll(const std::vector<CellWrite>& writes) {
    const WriteOutcome outcome = writeAllCells(document_, writes);
    announce(outcome.changedCells);
    return outcome.record;
}

HistoryWalk GridDocument::undo() {
    HistoryWalk walk = undoGroup(document_.grid, document_.history);
    announce(walk.changedCells);
    return walk;
}

HistoryWalk GridDocument::redo() {
    HistoryWalk walk = redoGroup(document_.grid, document_.history);
    announce(walk.changedCells);
    return walk;
}

// A failed walk may have changed cells before it stopped, so the picture
// follows it all the same.
void GridDocument::announce(const std::vector<std::pair<int, int>>& changed) {
    QList<QPoint> cells;
    cells.reserve(static_cast<qsizetype>(changed.size()));
    for (const auto& [row, col] : changed) cells.push_back(QPoint(col, row));
    emit cellsChanged(cells);
}

void GridDocument::replace(Grid grid) {
    document_.grid = std::move(grid);
    QList<QPoint> cells;
    for (int r = 0; r < document_.grid.rowCount; ++r)
        for (int c = 0; c < document_.grid.colCount; ++c) cells.push_back(QPoint(c, r));
    emit cellsChanged(cells);
}

}  // namespace quirvo
