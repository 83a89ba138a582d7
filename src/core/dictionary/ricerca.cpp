#include "core/dictionary/ricerca.h"

#include <algorithm>
#include <cstdint>

#include "core/dictionary/search_texts.h"
#include "core/dictionary/slot_commands.h"
#include "core/dictionary/slot_search.h"

namespace quirvo {

namespace {

void refuse(SearchOutcome& out) {
    WindowEffects& fx = out.effects;
    fx.panel2 = texts::BLANK;
    fx.panel3 = texts::BAD_REQUEST;
    fx.lists = std::vector<std::string>{};
    fx.listsToolTip = "";
    ++fx.beeps;
    out.refused = true;
    out.resultCount = 0;
    out.interrupted = out.capped = false;
}

void showCount(Session& session, size_t count, SearchOutcome& out) {
    WindowEffects& fx = out.effects;
    session.resultCount = static_cast<int16_t>(std::min<size_t>(count, INT16_MAX));
    out.resultCount = static_cast<int>(count);
    if (count >= 1) {
        fx.panel2 = " =" + std::to_string(count) + " ";
        fx.panel3 = texts::BLANK;
        fx.panel4 = texts::BLANK;
    } else {
        fx.panel2 = texts::NOTHING_FOUND;
        fx.panel3 = texts::BLANK;
        ++fx.beeps;
    }
    if (session.stopRequest >= 1) {
        fx.panel3 = texts::INTERRUPTED;
        fx.panel4 = texts::BLANK;
    }
}

// Ends the bookkeeping of an automatic free tail once its own search is over.
void closeRetry(Session& session) {
    SlotState& slot = session.slot;
    if (slot.autoTail == 1) {
        slot.slotFull = slot.savedFull;
        slot.autoTail = 0;
    }
    session.stopRequest = 0;
}

void finish(Session& session, Progress& progress, SearchOutcome& out) {
    session.busyLevel = 0;
    SlotState& slot = session.slot;
    const bool retry = session.accorcia && session.stopRequest == 0 && out.resultCount == 0 &&
                       !slot.slotPattern.empty() && slot.slotPattern.back() == '?';
    if (!retry) return closeRetry(session);
    slot.savedFull = slot.testom;
    slot.slotPattern = slot.testom;
    slot.autoTail = 1;
    out.retried = true;
    freeTail(session, progress, out);
    // A refused free tail runs no search, so its bookkeeping ends here;
    // otherwise savedFull would leak into the next slot's search.
    if (slot.autoTail == 1) closeRetry(session);
}

}  // namespace

void ricerca(Session& session, Progress& progress, SearchOutcome& out) {
    WindowEffects& fx = out.effects;
    fx.panel2 = texts::SEARCH_RUNNING;
    fx.panel3 = texts::BLANK;
    fx.panel4 = texts::BLANK;
    fx.panel2ToolTip = "";
    fx.lists = std::vector<std::string>{};
    SlotState& slot = session.slot;
    if (refusedPattern(slot.slotPattern)) return refuse(out);
    out.refused = false;
    fx.panel3 = texts::PLEASE_WAIT;
    session.busyLevel = 2;
    SlotScan scan;
    if (session.stopRequest >= 1) scan.stopped = true;
    else {
        const SlotQuery query{slot.slotPattern, slot.slotFull, slot.headCut, session.estesa};
        // Held for the scan: the window may run anything while the scan yields.
        const LexiconPtr lexicon = session.lexicon;
        scan = scanSlot(*lexicon, session.activeDictionaries, query, progress);
    }
    if (scan.stopped) session.stopRequest = std::max<int16_t>(session.stopRequest, 1);
    out.interrupted = scan.stopped;
    out.capped = scan.capped;
    showCount(session, scan.entries.size(), out);
    std::sort(scan.entries.begin(), scan.entries.end());
    fx.lists = std::move(scan.entries);
    finish(session, progress, out);
}

SearchOutcome ricerca(Session& session, Progress& progress) {
    SearchOutcome out;
    ricerca(session, progress, out);
    return out;
}

}  // namespace quirvo
