#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/dictionary/lexicon.h"
#include "core/dictionary/slot_search.h"
#include "core/view/view_state.h"

namespace quirvo {

// A row or column click took its run as the slot under work.
struct PickStep {
    bool row = true;
    std::string pattern;  // slotFull, as taken
    Outline red;          // the slot
};

// One of the four buttons that change the slot under work.
enum class SlotCommand : uint8_t { FreeHead, ShortenHead, ShortenTail, FreeTail };
enum class Refusal : uint8_t { None, BadRequest, NotPossible, AlreadyOn };

struct CommandStep {
    SlotCommand command = SlotCommand::FreeHead;
    bool ignored = false;      // busy, after the first test: nothing happened
    Refusal refusal = Refusal::None;
    bool refusedFirst = false;  // turned down before anything else, title included
    std::string pattern;        // slotPattern after the change
    std::optional<Outline> red;    // the fixed part of the slot after the change
    std::optional<Outline> green;  // the freed cells of a free end

    bool changedSlot() const { return !ignored && refusal == Refusal::None; }
};

// One slot search on slotPattern: refused, or what the scan found.
struct SearchStep {
    bool refused = false;
    SlotScan scan;
};

using SearchEvent = std::variant<PickStep, CommandStep, SearchStep>;

// What a slot take, a search or a slot command did, step by step in the
// order they ran (a command, its search, the automatic free tail and its
// search), with the facts of the last ones for whoever needs no more.
struct SearchOutcome {
    std::vector<SearchEvent> steps;
    LexiconPtr lexicon;        // the searches' hits view its texts
    bool ignored = false;      // busy: nothing happened at all
    bool refused = false;      // the last step was turned down
    int resultCount = 0;       // of the last search that ran
    bool interrupted = false;  // a stop was asked during the last search
    bool capped = false;       // the last search ended at the result cap
    bool retried = false;      // the automatic free tail ran
};

}  // namespace quirvo
