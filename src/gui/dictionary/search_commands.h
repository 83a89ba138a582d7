#pragma once

#include <QObject>

#include "core/editing/search_outcome.h"

namespace quirvo {

class MainWindow;

// The four buttons that free an end of the slot under search or shorten it,
// then search again with a poll that keeps the window live and lets panel 2
// stop the scan.
class SearchCommands : public QObject {
    Q_OBJECT
public:
    explicit SearchCommands(MainWindow& window);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    void press(SlotCommand command);
    MainWindow& w_;
};

}  // namespace quirvo
