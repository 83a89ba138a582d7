#pragma once

#include <QObject>

namespace quirvo {

class MainWindow;
struct DragCut;

// The searches started from the window: a row or column click, the four
// free-length and shortening buttons, and the crossing-letter trial. Each
// runs the engine with a poll that keeps the window live and lets panel 2
// stop it, then shows the outcome.
class SearchCommands : public QObject {
    Q_OBJECT
public:
    explicit SearchCommands(MainWindow& window);

    void slotClick(const DragCut& drag);  // modes 1 and 2
    void crossingClick(bool vowelsOnly);  // mode 6
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    template <typename Run>
    void runSearch(Run run);
    MainWindow& w_;
};

}  // namespace quirvo
