#pragma once

#include <QColor>
#include <QObject>
#include <QStringList>
#include <vector>

#include "gui/fill/engine_job.h"
#include "gui/fill/word_table_source.h"

namespace quirvo {

class LiveCheck;
class MainWindow;

// The colours of the shaded lines.
inline const QColor DEAD_LINE_COLOUR(160, 160, 160);
inline const QColor REFUSED_LINE_COLOUR(176, 90, 0);

// Suggestions that look ahead: while the grid check is on, the lines of a
// row or column result list that would leave a crossing slot with no word
// turn grey and their tool tip adds which slot that is; while the
// editor's rules are on, the words they refuse take a colour of their own.
// Only their colour and tool tip change; the lines, their order and what a
// click transfers stay as they are.
class SuggestionShading : public QObject {
    Q_OBJECT
public:
    SuggestionShading(MainWindow& window, WordTableSource& tables, const LiveCheck& check);

private:
    struct Answer {
        QStringList lines;
        QStringList blocked;        // why each line is grey, "" for a live one; empty when the check is off
        std::vector<bool> refused;  // empty when the rules are off
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
