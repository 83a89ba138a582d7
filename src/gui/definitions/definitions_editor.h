#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "core/document/definitions.h"

class QUndoStack;

namespace quirvo {

class MainWindow;
struct Session;

// The one way the window changes the session's definitions: each edited
// definition is one step of its own undo stack (the grid's change history
// stays as it is), marks the grid modified, and the definitions follow the
// grid after every repaint.
class DefinitionsEditor : public QObject {
    Q_OBJECT

public:
    explicit DefinitionsEditor(MainWindow& window);

    const Definitions& definitions() const;
    // An empty text removes the definition. The same text again makes a
    // draft the setter's own.
    void setText(SlotKey key, const QString& text);
    void setOrphanText(int index, const QString& text);
    // Drafts for slots without a definition, all in one step; slots that
    // have one meanwhile, or are gone, keep what they have.
    void draftAll(const std::vector<std::pair<SlotKey, std::string>>& drafts);

    QUndoStack* undoStack() const { return stack_; }

signals:
    void changed();

private:
    void record(const Definitions& before, const QString& name);
    void follow();
    void restart();

    MainWindow& w_;
    Session& s_;
    QUndoStack* stack_;
};

}  // namespace quirvo
