#pragma once

#include "core/common/progress.h"
#include "core/dictionary/ricerca.h"
#include "core/session.h"

namespace quirvo {

// The four buttons that change the slot taken for search and search again.
// Each acts on session.slot, session.outline and session.workMode (1 row,
// 2 column); a refusal only writes its message and beeps; while busyLevel is
// 1 or more an operation is ignored (after its first refusal test).

// Command1, "Libera INIZIO": the word may begin anywhere in the empty head.
SearchOutcome freeHead(Session& session, Progress& progress);
// Command2, "Accorcia all' INIZIO": the first cell leaves the slot.
SearchOutcome shortenHead(Session& session, Progress& progress);
// Command3, "Accorcia in CODA": the last cell leaves the slot.
SearchOutcome shortenTail(Session& session, Progress& progress);
// Command4, "Libera CODA": the word may end anywhere in the empty tail.
SearchOutcome freeTail(Session& session, Progress& progress);
void freeTail(Session& session, Progress& progress, SearchOutcome& into);

}  // namespace quirvo
