#include "gui/definitions/draft_all_command.h"

#include "gui/app/main_window.h"
#include "gui/definitions/clue_service.h"
#include "gui/definitions/definitions_editor.h"

namespace quirvo {

DraftAllCommand::DraftAllCommand(MainWindow& window, DefinitionsEditor& editor, ClueService& clues)
    : QObject(&window), w_(window), editor_(editor), clues_(clues), job_([this](Answer a) { apply(a); }) {
    connect(&clues, &ClueService::prepared, this, [this] {
        if (!waiting_) return;
        waiting_ = false;
        start();
    });
}

void DraftAllCommand::run() {
    if (running() || !w_.session().grid.exists()) return;
    if (clues_.prepare()) start();
    else waiting_ = true;
}

void DraftAllCommand::start() {
    Grid grid = w_.session().grid;
    job_.start([held = clues_.held(), grid](const std::atomic<bool>& stop) {
        return Answer{grid, suggestGrid(held.sources, grid, &stop)};
    });
}

void DraftAllCommand::apply(const Answer& answer) {
    if (answer.grid.gridRows == w_.session().grid.gridRows) {
        std::vector<std::pair<SlotKey, std::string>> drafts;
        for (const SlotSuggestions& s : answer.suggested)
            if (!s.suggestions.empty()) drafts.emplace_back(SlotKey::of(s.slot), s.suggestions.front().text);
        editor_.draftAll(drafts);
    }
    emit finished();
}

}  // namespace quirvo
