#include "core/editing/slot_commands.h"

#include "core/editing/ricerca.h"

namespace quirvo {

namespace {

void refuse(CommandStep& step, Refusal why) { step.refusal = why; }

// The test each command makes before anything else: at most one end of a
// slot is free.
bool refusedFirst(SlotCommand command, const SlotState& slot, Refusal& why) {
    const bool headSide = command == SlotCommand::FreeHead || command == SlotCommand::ShortenHead;
    why = headSide ? Refusal::BadRequest : Refusal::NotPossible;
    return headSide ? !slot.tailCut.empty() : !slot.headCut.empty();
}

// After a free end: the fixed part in red, then the freed cells in green,
// which the outline describes from then on.
void outlineFreeEnd(SlotWork work, bool head, size_t fixedCells, size_t freedCells, CommandStep& step) {
    Outline& o = work.outline;
    const bool row = work.workMode == 1;
    if (!row && work.workMode != 2) return;
    int16_t& at = row ? o.cx : o.cy;
    int16_t& span = row ? o.LAX : o.LAY;
    const int16_t saved = at;
    if (head) at = static_cast<int16_t>(at + freedCells);
    span = static_cast<int16_t>(fixedCells);
    step.red = o;
    at = head ? saved : static_cast<int16_t>(saved + span);
    span = static_cast<int16_t>(freedCells);
    step.green = o;
}

void freeHead(SlotWork work, CommandStep& step) {
    SlotState& slot = work.slot;
    const std::string& p = slot.slotPattern;
    if (!p.empty() && p.front() == '*') return refuse(step, Refusal::AlreadyOn);
    if (p.size() <= 2 || p[0] != '?' || p[1] != '?') return refuse(step, Refusal::BadRequest);
    size_t k = p.size();  // 1-based position of the first letter, the last cell not counted
    for (size_t i = 0; i + 1 < p.size(); ++i)
        if (p[i] != '?') {
            k = i + 1;
            break;
        }
    slot.headCut = p.substr(0, k - 1);
    slot.slotPattern = "*" + p.substr(k - 1);
    outlineFreeEnd(work, true, slot.slotPattern.size() - 1, slot.headCut.size(), step);
}

void freeTail(SlotWork work, CommandStep& step) {
    SlotState& slot = work.slot;
    const std::string& p = slot.slotPattern;
    if (!p.empty() && p.back() == '*') return refuse(step, Refusal::AlreadyOn);
    if (p.size() <= 2 || p.back() != '?' || p[p.size() - 2] != '?') return refuse(step, Refusal::BadRequest);
    size_t k = 1;  // 1-based position of the last letter, the first cell not counted
    for (size_t i = p.size() - 1; i >= 1; --i)
        if (p[i] != '?') {
            k = i + 1;
            break;
        }
    slot.tailCut = p.substr(k);
    slot.slotPattern = p.substr(0, k) + "*";
    outlineFreeEnd(work, false, slot.slotPattern.size() - 1, slot.tailCut.size(), step);
}

void shortenHead(SlotWork work, CommandStep& step) {
    SlotState& slot = work.slot;
    std::string& p = slot.slotPattern;
    if (p.size() <= 2) return refuse(step, Refusal::NotPossible);
    slot.testom = p.substr(1);
    slot.slotFull = slot.testom;
    // Shortening a free head drops the whole freed run with the "*", so
    // that the slot starts at the fixed part the pattern still describes.
    size_t leaving = 1;
    if (p.front() == '?' && !slot.headCut.empty()) slot.headCut.erase(0, 1);
    if (p.front() == '*') {
        leaving = slot.headCut.size();
        slot.headCut.clear();
    }
    p.erase(0, 1);
    Outline& o = work.outline;
    const int tail = static_cast<int>(slot.tailCut.size());
    if (work.workMode == 1) {
        slot.slotColFirst = static_cast<int16_t>(slot.slotColFirst + leaving);
        o = {slot.slotColFirst, o.cy, static_cast<int16_t>(slot.slotColLast - slot.slotColFirst + 1 - tail), 1};
        step.red = o;
    } else if (work.workMode == 2) {
        slot.slotRowFirst = static_cast<int16_t>(slot.slotRowFirst + leaving);
        o = {o.cx, slot.slotRowFirst, 1, static_cast<int16_t>(slot.slotRowLast - slot.slotRowFirst + 1 - tail)};
        step.red = o;
    }
}

void shortenTail(SlotWork work, CommandStep& step) {
    SlotState& slot = work.slot;
    std::string& p = slot.slotPattern;
    if (p.size() <= 2) return refuse(step, Refusal::NotPossible);
    slot.testom = p.substr(0, p.size() - 1);
    slot.slotFull = slot.testom;
    if (p.back() == '?' && !slot.tailCut.empty()) slot.tailCut.pop_back();
    if (p.back() == '*') slot.tailCut.clear();
    p.pop_back();
    // A letter now ends the pattern: the slot ends with it (this re-fits the
    // slot after a free tail was dropped).
    const bool refit = p.back() != '?';
    if (refit) slot.testom = p;
    Outline& o = work.outline;
    if (work.workMode == 1) {
        slot.slotColLast = refit ? static_cast<int16_t>(slot.slotColFirst + static_cast<int>(p.size()) - 1)
                                 : static_cast<int16_t>(slot.slotColLast - 1);
        o = {slot.slotColFirst, o.cy, static_cast<int16_t>(slot.slotColLast - slot.slotColFirst + 1), 1};
        step.red = o;
    } else if (work.workMode == 2) {
        slot.slotRowLast = refit ? static_cast<int16_t>(slot.slotRowFirst + static_cast<int>(p.size()) - 1)
                                 : static_cast<int16_t>(slot.slotRowLast - 1);
        o = {o.cx, static_cast<int16_t>(slot.slotRowFirst + static_cast<int>(slot.headCut.size())), 1,
             static_cast<int16_t>(slot.slotRowLast - slot.slotRowFirst + 1)};
        step.red = o;
    }
}

void run(SlotCommand command, SlotWork work, CommandStep& step) {
    switch (command) {
        case SlotCommand::FreeHead: return freeHead(work, step);
        case SlotCommand::ShortenHead: return shortenHead(work, step);
        case SlotCommand::ShortenTail: return shortenTail(work, step);
        case SlotCommand::FreeTail: return freeTail(work, step);
    }
}

}  // namespace

bool slotCommand(SlotCommand command, SlotWork work, bool busy, SearchOutcome& out) {
    CommandStep step;
    step.command = command;
    if (refusedFirst(command, work.slot, step.refusal)) step.refusedFirst = true;
    else {
        step.refusal = Refusal::None;
        if (busy) step.ignored = true;
        else run(command, work, step);
    }
    const bool changed = step.changedSlot();
    if (changed) step.pattern = work.slot.slotPattern;
    if (step.ignored) out.ignored = true;
    else if (!changed) out.refused = true;
    out.steps.emplace_back(std::move(step));
    return changed;
}

SearchOutcome pressSlotCommand(SlotCommand command, SlotWork work, bool busy, const LexiconState& lexicon,
                               Progress& progress) {
    SearchOutcome out;
    if (slotCommand(command, work, busy, out)) ricerca(work, lexicon, progress, out);
    return out;
}

}  // namespace quirvo
