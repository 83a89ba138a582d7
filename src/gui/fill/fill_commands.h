#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>
#include <vector>

#include "core/fill/fill.h"
#include "gui/fill/engine_job.h"
#include "gui/fill/fill_settings.h"
#include "gui/fill/latest_progress.h"
#include "gui/fill/worker_busy.h"
#include "gui/fill/word_table_source.h"

class QTimer;

namespace quirvo {

class FillSettingsDialog;
class HistoryCommands;
class MainWindow;

// "Riempi Schema", "Riempi Parola" and "Opzioni di Riempimento". A fill runs
// on a worker over a copy of the grid, the window busy meanwhile (see
// WorkerBusy); panel 2 follows its progress. The filled grid enters the
// history as one change; a fill that finds nothing leaves the grid as it
// was.
class FillCommands : public QObject {
    Q_OBJECT
public:
    FillCommands(MainWindow& window, WordTableSource& tables, HistoryCommands& history);

    void Riempi_Click();
    void RiempiParola_Click();
    void OpzioniRiempi_Click();
    bool running() const { return job_.running(); }

signals:
    // A fill has written into the grid.
    void filled();

private:
    struct Answer {
        FillResult result;            // Riempi Schema
        std::optional<Slot> slot;     // Riempi Parola: the slot and its best word
        std::vector<SlotWord> words;
        Grid given;                   // the grid the fill started from
    };
    using Work = std::function<Answer(const WordTable&, const FillOptions&)>;

    bool ready() const;
    FillOptions engineOptions() const;
    EditorRules editorRules() const;
    void run(const QString& runningText, Work work);
    void finished(Answer answer);
    void applyGrid(const FillResult& result);
    void applyWord(const Slot& slot, const std::vector<SlotWord>& words);
    void stop();
    void showProgress();

    MainWindow& w_;
    WordTableSource& tables_;
    HistoryCommands& history_;
    FillSettings settings_;
    std::shared_ptr<LatestProgress<FillProgress>> progress_;
    EngineJob<Answer> job_;
    WorkerBusy* busy_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    QPointer<FillSettingsDialog> dialog_;
};

}  // namespace quirvo
