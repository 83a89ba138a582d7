#pragma once

#include "core/common/progress.h"
#include "core/dictionary/window_effects.h"
#include "core/session.h"

namespace quirvo {

// What the window applies after a slot search, a free-length or shortening
// command, or a row or column click: the effects of every step that ran, the
// later ones over the earlier.
struct SearchOutcome {
    WindowEffects effects;
    bool ignored = false;      // busy: nothing happened at all
    bool refused = false;      // the last step was turned down with a message
    int resultCount = 0;       // of the last search that ran
    bool interrupted = false;  // a stop was asked during the last search
    bool capped = false;       // the last search ended at the result cap
    bool retried = false;      // the automatic free tail ran
};

// The slot search on session.slot: lists the entries that fit slotPattern,
// writes panels 2 to 4, sets resultCount, busyLevel, stopRequest; with
// "Lunghezza Libera" a search that found nothing for a pattern ending in "?"
// is retried once as a free tail.
SearchOutcome ricerca(Session& session, Progress& progress);
void ricerca(Session& session, Progress& progress, SearchOutcome& into);

}  // namespace quirvo
