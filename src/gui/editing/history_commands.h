#pragma once

#include <QObject>

#include "core/document/document.h"

namespace quirvo {

class MainWindow;

// The change recorder and the walks over the change history, on the
// window's GridDocument: every cell the user changes goes through aggior
// or write; undo ("a7") and redo ("a8") walk one change group back or
// forth; takeBack withdraws a provisional transfer from the result list.
// The picture repaints from the document's signal.
class HistoryCommands : public QObject {
    Q_OBJECT
public:
    explicit HistoryCommands(MainWindow& window);

    // Writes carm into the current cell (curRow, curCol) and records it.
    void aggior(char carm);
    // Several cells as one edit, each through aggior in turn.
    void write(const std::vector<CellWrite>& writes);
    // Many cells as one change group of a single triple (a fill of the grid).
    void writeAll(const std::vector<CellWrite>& writes);
    void undo();
    void redo();
    // The latest group taken back without outlines, button or panel changes.
    void takeBack();
    // Empties a full history before a toolbar button acts.
    void resetIfFull();

private:
    void announceReset();
    void announceFailure();
    // Outlines every cell of the walk; the current cell ends on the last
    // one met.
    void showWalk(const HistoryWalk& walk);
    MainWindow& w_;
};

}  // namespace quirvo
