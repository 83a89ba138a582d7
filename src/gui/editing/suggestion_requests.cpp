#include "gui/editing/suggestion_requests.h"

#include <QLabel>
#include <QListWidget>

#include "core/editing/crossing_take.h"
#include "core/editing/ricerca.h"
#include "core/editing/slot_take.h"
#include "core/grid/cell_codes.h"
#include "core/presenting/search_texts.h"
#include "core/presenting/status_texts.h"
#include "core/presenting/window_presenter.h"
#include "gui/app/main_window.h"
#include "gui/app/status_panels.h"
#include "gui/editing/editing_display.h"
#include "gui/editing/scan_session.h"
#include "gui/editing/window_effects_view.h"

namespace quirvo {

SuggestionRequests::SuggestionRequests(MainWindow& window) : w_(window) {}

void SuggestionRequests::slotClick(const DragCut& cut) {
    Session& s = w_.session();
    // The slot shows in red before the scan starts.
    SearchOutcome picked;
    if (!pickSlot(s.grid, s, s.outline, cut, picked)) return;
    applyWindowEffects(w_, searchEffects(picked));

    SearchOutcome found;
    {
        ScanSession scan(w_, ScanSession::Busy::Yes, [this] {
            w_.stb1()->setText(2, QString::fromUtf8(texts::SEARCH_RUNNING));
            w_.stb1()->setText(3, QString::fromUtf8(texts::PLEASE_WAIT));
        });
        ricerca(SlotWork(s, s), s, scan.progress(), found);
    }
    WindowEffects fx = searchEffects(found);
    tipForTakenSlot(fx, s.workMode == 1);
    applyWindowEffects(w_, fx);
}

void SuggestionRequests::crossingClick(bool vocali) {
    Session& s = w_.session();
    // The chosen cell shows in red before the trial starts.
    if (s.grid.cell(s.curRow, s.curCol) == EMPTY_CELL) {
        w_.stb1()->setText(1, QString::fromUtf8(vocali ? texts::CROSS_TITLE_VOWELS : texts::CROSS_TITLE_ALL));
        w_.rinfresca();
        outlineCell(w_, s.curRow, s.curCol);
    }
    CrossingOutcome outcome;
    {
        ScanSession scan(w_, ScanSession::Busy::Yes, [this] {
            w_.texta()->setPattern("?");
            w_.stb1()->setText(3, QString::fromUtf8(texts::CROSS_WAIT));
            w_.stb1()->setTip(2, QString::fromUtf8(texts::CROSS_STOP_TIP));
        });
        outcome = crossingTrial(s.grid, s, s.outline, s, vocali, scan.progress(), [this](char letter) {
            w_.stb1()->setText(2, QString::fromLatin1(crossingLetterText(letter)));
        });
    }
    applyWindowEffects(w_, crossingClickEffects(outcome, s.outline));
}

}  // namespace quirvo
