#pragma once

#include <QObject>
#include <QString>

namespace quirvo {

class HistoryCommands;
class MainWindow;

// Keys on the grid picture: writing across (mode 3) and down (mode 4) with
// the cursor moving on by itself, the cursor keys, and the choice between
// vowels only (Ctrl) and every letter for the crossing trial of mode 6.
class GridKeyboard : public QObject {
    Q_OBJECT
public:
    GridKeyboard(MainWindow& window, HistoryCommands& history);

    void Peri_KeyDown(int qtKey, Qt::KeyboardModifiers mods);
    // 1 after Ctrl alone in mode 6 (vowels only), 0 after any other key.
    int vocali() const { return vocali_; }

private:
    void write(char carm, const QString& shown);
    void avanza(int incr, int incc);
    MainWindow& w_;
    HistoryCommands& history_;
    int vocali_ = 0;
};

}  // namespace quirvo
