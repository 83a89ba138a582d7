#pragma once

#include <QObject>
#include <string>

#include "core/editing/list_transfer.h"

namespace quirvo {

class HistoryCommands;
class MainWindow;

// Lists_Click: a click on a result line puts the result into the TEST
// field and, in the suggestion modes, writes it into the grid. The transfer
// is provisional: a click on another line takes it back first, so the
// proposals can be tried one after the other in the same place.
class ResultList : public QObject {
    Q_OBJECT
public:
    ResultList(MainWindow& window, HistoryCommands& history);

    void Lists_Click();

private:
    // Takes back the previous provisional transfer and picks the next
    // bracketed alternative; rewrites acce.
    void Prepara(std::string& acce);
    void transferAcross(const std::string& word);
    void transferDown(const std::string& word);
    void transferCrossing(char letter);

    MainWindow& w_;
    HistoryCommands& history_;
    Alternatives alternatives_;
};

}  // namespace quirvo
