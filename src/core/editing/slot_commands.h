#pragma once

#include "core/common/progress.h"
#include "core/dictionary/lexicon_state.h"
#include "core/editing/search_outcome.h"
#include "core/editing/slot_work.h"

namespace quirvo {

// The four buttons that change the slot taken for search:
//   FreeHead, Command1 "Libera INIZIO": the word may begin anywhere in the empty head;
//   ShortenHead, Command2 "Accorcia all' INIZIO": the first cell leaves the slot;
//   ShortenTail, Command3 "Accorcia in CODA": the last cell leaves the slot;
//   FreeTail, Command4 "Libera CODA": the word may end anywhere in the empty tail.
// A refusal leaves the slot as it was; while `busy` a command is ignored
// (after its first refusal test). Appends its step to `into`; true when the
// slot changed, so that a search is due.
bool slotCommand(SlotCommand command, SlotWork work, bool busy, SearchOutcome& into);

// The command and, when it changed the slot, the search that follows.
SearchOutcome pressSlotCommand(SlotCommand command, SlotWork work, bool busy, const LexiconState& lexicon,
                               Progress& progress);

}  // namespace quirvo
