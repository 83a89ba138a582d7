#include "core/editing/ricerca.h"

#include "core/editing/slot_commands.h"

namespace quirvo {

namespace {

void record(SearchStep step, SearchOutcome& out) {
    out.refused = step.refused;
    out.resultCount = static_cast<int>(step.scan.hits.size());
    out.interrupted = step.scan.stopped;
    out.capped = step.scan.capped;
    out.steps.emplace_back(std::move(step));
}

// Ends the bookkeeping of an automatic free tail once its own search is over.
void closeRetry(SlotState& slot) {
    if (slot.autoTail == 1) {
        slot.slotFull = slot.savedFull;
        slot.autoTail = 0;
    }
}

void finish(SlotWork work, const LexiconState& lexicon, Progress& progress, SearchOutcome& out) {
    SlotState& slot = work.slot;
    const bool retry = lexicon.accorcia && !out.interrupted && out.resultCount == 0 &&
                       !slot.slotPattern.empty() && slot.slotPattern.back() == '?';
    if (!retry) return closeRetry(slot);
    slot.savedFull = slot.testom;
    slot.slotPattern = slot.testom;
    slot.autoTail = 1;
    out.retried = true;
    if (slotCommand(SlotCommand::FreeTail, work, false, out)) ricerca(work, lexicon, progress, out);
    // A refused free tail runs no search, so its bookkeeping ends here;
    // otherwise savedFull would leak into the next slot's search.
    if (slot.autoTail == 1) closeRetry(slot);
}

}  // namespace

void ricerca(SlotWork work, const LexiconState& lexicon, Progress& progress, SearchOutcome& out) {
    const SlotState& slot = work.slot;
    SearchStep step;
    if (refusedPattern(slot.slotPattern)) {
        step.refused = true;
        return record(std::move(step), out);
    }
    // Held by the outcome: the window may run anything while the scan
    // yields, and the hits view the lexicon's texts.
    out.lexicon = lexicon.lexicon;
    if (!progress.stopped()) {
        const SlotQuery query{slot.slotPattern, slot.slotFull, slot.headCut, lexicon.estesa};
        step.scan = scanSlot(*out.lexicon, lexicon.activeDictionaries, query, progress);
    }
    // A stop asked at the last poll counts even when the scan ended first.
    step.scan.stopped = step.scan.stopped || progress.stopped();
    record(std::move(step), out);
    finish(work, lexicon, progress, out);
}

SearchOutcome ricerca(SlotWork work, const LexiconState& lexicon, Progress& progress) {
    SearchOutcome out;
    ricerca(work, lexicon, progress, out);
    return out;
}

}  // namespace quirvo
