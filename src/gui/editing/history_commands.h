#pragma once

#include <QObject>

#include "core/grid/change_history.h"

namespace quirvo {

class MainWindow;

// The change recorder and the walks over the change history: every cell
// the user changes goes through aggior; undo ("a7") and redo ("a8") walk
// one change group back or forth; takeBack withdraws a provisional
// transfer from the result list.
class HistoryCommands : public QObject {
    Q_OBJECT
public:
    explicit HistoryCommands(MainWindow& window);

    // Writes carm into the current cell (curRow, curCol) and records it.
    void aggior(char carm);
    // Writes many cells as one change group (a fill of the grid).
    void aggiorBulk(const std::vector<CellChange>& changes);
    void undo();
    void redo();
    // The latest group taken back without outlines, button or panel changes.
    void takeBack();
    // Empties a full history before a toolbar button acts.
    void resetIfFull();

private:
    void announceReset();
    void announceFailure();
    // Repaints, then outlines every cell of the walk; the current cell ends
    // on the last one met.
    void showWalk(const HistoryWalk& walk);
    MainWindow& w_;
};

}  // namespace quirvo
