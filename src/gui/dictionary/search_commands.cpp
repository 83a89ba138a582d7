#include "gui/dictionary/search_commands.h"

#include <QPushButton>

#include "core/editing/ricerca.h"
#include "core/editing/slot_commands.h"
#include "core/presenting/search_texts.h"
#include "core/presenting/window_presenter.h"
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

// The command's checks come first, so that a click while a scan runs
// (ignored) leaves that scan's busy state alone.
void SearchCommands::press(SlotCommand command) {
    Session& s = w_.session();
    SearchOutcome outcome;
    if (slotCommand(command, SlotWork(s, s), s.busyLevel >= 1, outcome)) {
        ScanSession scan(w_, ScanSession::Busy::Yes, [this] {
            w_.stb1()->setText(2, QString::fromUtf8(texts::SEARCH_RUNNING));
            w_.stb1()->setText(3, QString::fromUtf8(texts::PLEASE_WAIT));
        });
        ricerca(SlotWork(s, s), s, scan.progress(), outcome);
    }
    if (outcome.ignored) return;
    applyWindowEffects(w_, searchEffects(outcome));
}

void SearchCommands::Command1_Click() { press(SlotCommand::FreeHead); }
void SearchCommands::Command2_Click() { press(SlotCommand::ShortenHead); }
void SearchCommands::Command3_Click() { press(SlotCommand::ShortenTail); }
void SearchCommands::Command4_Click() { press(SlotCommand::FreeTail); }

}  // namespace quirvo
