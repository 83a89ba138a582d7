#pragma once

#include <QObject>
#include <memory>
#include <optional>

#include "gui/fill/insight_report.h"
#include "core/grid/grid.h"
#include "gui/fill/engine_job.h"
#include "gui/fill/word_table_source.h"

namespace quirvo {

class MainWindow;

// "Controllo Schema": after every change of the grid the engine's insight
// runs on a copy of it in the background; the answer, when it is still the
// answer for the grid as it stands, becomes the picture's marks (dead cells,
// empty slots, forced letters), the check panel's text and the cells' tool
// tips. A newer change stops a check under way; nothing ever waits for one.
class LiveCheck : public QObject {
    Q_OBJECT
public:
    LiveCheck(MainWindow& window, WordTableSource& tables);

    bool enabled() const;
    // Runs a check unless the grid and the active dictionaries are those of
    // the latest request.
    void gridChanged();

signals:
    // An answer was shown.
    void answered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Answer {
        Grid grid;
        DictMask active = 0;
        InsightReport report;
        WordTableSource::Table table;
        WordTableSource::Rules rules;  // null when the check took every word
        const WordFacts* facts = nullptr;  // the table's lexicon's, when it has them
    };
    // The engine's remembered state, used by one check at a time.
    struct Engine;

    void toggled(bool on);
    void show(Answer answer);
    void clearMarks();
    bool current() const;
    bool showToolTip(QEvent* event);

    MainWindow& w_;
    WordTableSource& tables_;
    std::shared_ptr<Engine> engine_;
    EngineJob<Answer> job_;
    std::optional<Grid> requested_;
    DictMask requestedActive_ = 0;
    std::optional<Answer> shown_;
};

}  // namespace quirvo
