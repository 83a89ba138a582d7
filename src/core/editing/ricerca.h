#pragma once

#include "core/common/progress.h"
#include "core/dictionary/lexicon_state.h"
#include "core/editing/search_outcome.h"
#include "core/editing/slot_work.h"

namespace quirvo {

// The slot search on the slot under work: refuses a pattern without an
// open cell, else scans the active dictionaries for slotPattern; with
// "Lunghezza Libera" a search that found nothing for a pattern ending in "?"
// is retried once as a free tail. A stop comes through the progress (asked
// before the call when it is stopped already). Appends its steps to `into`.
void ricerca(SlotWork work, const LexiconState& lexicon, Progress& progress, SearchOutcome& into);
SearchOutcome ricerca(SlotWork work, const LexiconState& lexicon, Progress& progress);

}  // namespace quirvo
