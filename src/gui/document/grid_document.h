#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

#include "core/document/document.h"

namespace quirvo {

// The window's handle on the document: every change to cells (an edit, an
// undo or redo walk, a new or opened grid) goes through it, and after each
// it tells who follows the grid (the picture, and whatever marks cells)
// which cells changed: once per edit, even when the edit changed nothing,
// because every edit ends with a full repaint.
class GridDocument : public QObject {
    Q_OBJECT

public:
    explicit GridDocument(Document& document, QObject* parent = nullptr);

    const Document& document() const { return document_; }
    const Grid& grid() const { return document_.grid; }

    // aggior for each write in turn; the modified flag is set when one is
    // accepted.
    RecordOutcome write(const std::vector<CellWrite>& writes);
    // All the writes as one change group of their own (a fill).
    RecordOutcome writeAll(const std::vector<CellWrite>& writes);
    // One change group back or forth through the history.
    HistoryWalk undo();
    HistoryWalk redo();
    // A new or opened grid replaces the old one whole.
    void replace(Grid grid);
    void setModified(bool modified) { document_.gridModified = modified ? 1 : 0; }

signals:
    // Cells as (column, row); a replaced grid lists every cell.
    void cellsChanged(const QList<QPoint>& cells);

private:
    void announce(const std::vector<std::pair<int, int>>& changed);

    Document& document_;
};

}  // namespace quirvo
