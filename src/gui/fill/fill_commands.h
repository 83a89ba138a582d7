#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>
#include <vector>

#include "core/fill/fill.h"
#include "gui/fill/engine_job.h"
#include "gui/fill/fill_settings.h"
#include "gui/fill/word_table_source.h"

class QAction;
class QTimer;

namespace quirvo {

class FillSettingsDialog;
class HistoryCommands;
class MainWindow;

// "Riempi Schema", "Riempi Parola" and "Opzioni di Riempimento". A fill runs
// on a worker over a copy of the grid while busyLevel is raised, so every
// command that waits for a search waits for it too; panel 2 follows its
// progress, and a click on panel 2 or Esc stops it. The filled grid enters
// the history as one change; a fill that finds nothing leaves the grid as
// it was. Closing the window stops the fill first.
class FillCommands : public QObject {
    Q_OBJECT
public:
    FillCommands(MainWindow& window, WordTableSource& tables, HistoryCommands& history);

    void Riempi_Click();
    void RiempiParola_Click();
    void OpzioniRiempi_Click();
    bool running() const { return job_.running(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Answer {
        FillResult result;            // Riempi Schema
        std::optional<Slot> slot;     // Riempi Parola: the slot and its best word
        std::vector<SlotWord> words;
        Grid given;                   // the grid the fill started from
    };
    struct Shared;
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
    std::shared_ptr<Shared> shared_;
    EngineJob<Answer> job_;
    QTimer* progressTimer_ = nullptr;
    QAction* escape_ = nullptr;
    QPointer<FillSettingsDialog> dialog_;
    bool closeAsked_ = false;
};

}  // namespace quirvo
