#pragma once

#include <QObject>

class QWidget;

namespace quirvo {

class MainWindow;

// The usual keys for the File commands (shown in the menu beside each
// caption) and for undo and redo (the toolbar's "a7" and "a8"). A key is
// its menu item or button: it does what a click does, and nothing while
// the item is disabled or a search or a fill runs. The definitions panel
// has an undo of its own for its texts: while the focus is in it, the undo
// and redo keys are that panel's.
class StandardShortcuts : public QObject {
    Q_OBJECT
public:
    explicit StandardShortcuts(MainWindow& window);

private:
    void focusMoved(QWidget* now);
    MainWindow& w_;
};

}  // namespace quirvo
