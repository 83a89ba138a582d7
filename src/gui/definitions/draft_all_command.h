#pragma once

#include <QObject>
#include <vector>

#include "core/clues/suggestions.h"
#include "core/grid/grid.h"
#include "gui/fill/engine_job.h"

namespace quirvo {

class ClueService;
class DefinitionsEditor;
class MainWindow;

// "Definisci Tutto": the first suggestion of every whole word becomes the
// draft of each definition still empty, all in one step of the dock's
// undo. The suggestions are made on a worker over a copy of the grid; an
// answer for a grid that has changed meanwhile is let go.
class DraftAllCommand : public QObject {
    Q_OBJECT

public:
    DraftAllCommand(MainWindow& window, DefinitionsEditor& editor, ClueService& clues);

    void run();
    bool running() const { return job_.running() || waiting_; }

signals:
    void finished();

private:
    struct Answer {
        Grid grid;
        std::vector<SlotSuggestions> suggested;
    };
    void start();
    void apply(const Answer& answer);

    MainWindow& w_;
    DefinitionsEditor& editor_;
    ClueService& clues_;
    bool waiting_ = false;  // for the suggestions' sources to be ready
    EngineJob<Answer> job_;
};

}  // namespace quirvo
