#pragma once

#include <QObject>
#include <QThreadPool>
#include <memory>

class QTimer;

namespace quirvo {

class DefinitionsEditor;
class DocumentFlow;
class MainWindow;
class RecoverySlot;

// Keeps a recovery copy of the document while it has unsaved changes (its
// cells or its definitions): written at most the delay after a change and at
// once after a fill, and removed when the document is saved, replaced or the
// program ends cleanly. The copy is made on the interface thread, a
// snapshot of a few kilobytes, and written by a worker one job after the
// other, so a slow disk never holds up typing and a removal never overtakes
// a write. Destroyed without a clean end, it leaves the copy where it is.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    RecoveryKeeper(MainWindow& window, DocumentFlow& documentFlow, DefinitionsEditor& definitions);
    ~RecoveryKeeper() override;

    // Takes over a copy left by an earlier run: the next write replaces it.
    void adopt(std::unique_ptr<RecoverySlot> slot);
    // Writes the copy now, when the document has unsaved changes: after a
    // fill, say, the work of minutes.
    void writeNow();

private:
    // Something the copy holds changed; it is written within the delay.
    void changed();
    // The document has no unsaved changes: the copy goes.
    void discard();
    // The program ends cleanly: the copy goes before this returns.
    void end();

    MainWindow& w_;
    QTimer* timer_;
    std::shared_ptr<RecoverySlot> slot_;
    QThreadPool pool_;
};

}  // namespace quirvo
