#include "gui/dictionary/search_commands.h"

#include <QPushButton>

#include "core/dictionary/search_texts.h"
#include "core/dictionary/slot_commands.h"
#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/editing/scan_session.h"
#include "gui/editing/window_effects_view.h"

namespace quirvo {

SearchCommands::SearchCommands(MainWindow& window) : w_(window) {
    connect(w_.command(1), &QPushButton::clicked, this, &SearchCommands::Command1_Click);
    connect(w_.command(2), &QPushButton::clicked, this, &SearchCommands::Command2_Click);
    connect(w_.command(3), &QPushButton::clicked, this, &SearchCommands::Command3_Click);
    connect(w_.command(4), &QPushButton::clicked, this, &SearchCommands::Command4_Click);
}

template <typename Run>
void SearchCommands::runSearch(Run run) {
    SearchOutcome outcome;
    {
        ScanSession scan(w_, [this] {
            w_.stb1()->setText(2, QString::fromUtf8(texts::SEARCH_RUNNING));
            w_.stb1()->setText(3, QString::fromUtf8(texts::PLEASE_WAIT));
        });
        outcome = run(scan.progress());
    }
    if (outcome.ignored) return;
    applyWindowEffects(w_, outcome.effects);
}

void SearchCommands::Command1_Click() {
    runSearch([&](Progress& p) { return freeHead(w_.session(), p); });
}

void SearchCommands::Command2_Click() {
    runSearch([&](Progress& p) { return shortenHead(w_.session(), p); });
}

void SearchCommands::Command3_Click() {
    runSearch([&](Progress& p) { return shortenTail(w_.session(), p); });
}

void SearchCommands::Command4_Click() {
    runSearch([&](Progress& p) { return freeTail(w_.session(), p); });
}

}  // namespace quirvo
