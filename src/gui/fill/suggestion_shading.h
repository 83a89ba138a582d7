#pragma once

#include <QObject>
#include <QStringList>
#include <vector>

#include "gui/fill/engine_job.h"
#include "gui/fill/word_table_source.h"

namespace quirvo {

class LiveCheck;
class MainWindow;

// Suggestions that look ahead: while the grid check is on, the lines of a
// row or column result list that would leave a crossing slot with no word
// turn grey, and their tool tip adds which slot that is. Only their colour
// and tool tip change; the lines, their order and what a click transfers
// stay as they are.
class SuggestionShading : public QObject {
    Q_OBJECT
public:
    SuggestionShading(MainWindow& window, WordTableSource& tables, const LiveCheck& check);

private:
    struct Answer {
        QStringList lines;
        QStringList blocked;  // why each line is grey, empty for a live one
    };
    void listFilled();
    void shade(const Answer& answer);

    MainWindow& w_;
    WordTableSource& tables_;
    const LiveCheck& check_;
    EngineJob<Answer> job_;
    bool pending_ = false;
};

}  // namespace quirvo
