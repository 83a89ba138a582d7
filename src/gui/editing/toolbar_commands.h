#pragma once

#include <QObject>
#include <QString>

namespace quirvo {

class HistoryCommands;
class MainWindow;

// Tlb1_ButtonClick: the toolbar chooses what a click on the grid means
// (modes 0..6), runs undo and redo, and starts the TEST tools; every click
// first clears what the previous action left on display.
class ToolbarCommands : public QObject {
    Q_OBJECT
public:
    ToolbarCommands(MainWindow& window, HistoryCommands& history);

    void Tlb1_ButtonClick(const QString& key);

signals:
    // "a9", "a10", "a11": the TEST tool of mode 9 (anagrams), 10 (synonyms
    // and antonyms) or 11 (spelling) is to run now. Emitted after the mode
    // and its title are set, before the TEST picture is shown; the tool
    // runs inside the connected slot.
    void testToolRequested(int mode);

private:
    void clearTransientDisplay();
    void chooseGridMode(const QString& key, int mode);
    void runTestTool(const QString& key, int mode);
    MainWindow& w_;
    HistoryCommands& history_;
};

}  // namespace quirvo
