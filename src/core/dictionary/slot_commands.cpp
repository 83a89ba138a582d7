#include "core/dictionary/slot_commands.h"

#include "core/dictionary/search_texts.h"

namespace quirvo {

namespace {

// The first refusal comes before anything else and leaves panel 2 alone;
// then a busy session ignores the command; then the title and the checks.
enum class Gate { Refused, Ignored, Open };

Gate firstChecks(Session& session, bool refusedFirst, const char* refusal, const char* title,
                 SearchOutcome& out) {
    WindowEffects& fx = out.effects;
    if (refusedFirst) {
        fx.panel3 = refusal;
        ++fx.beeps;
        out.refused = true;
        return Gate::Refused;
    }
    if (session.busyLevel >= 1) {
        out.ignored = true;
        return Gate::Ignored;
    }
    fx.panel2 = title;
    fx.panel3 = texts::BLANK;
    return Gate::Open;
}

void refuse(SearchOutcome& out, const char* message) {
    out.effects.panel3 = message;
    ++out.effects.beeps;
    out.refused = true;
}

void showPattern(const Session& session, SearchOutcome& out) {
    out.effects.texta = session.slot.slotPattern;
    out.effects.clearTextb = true;
}

// After a free end: the fixed part in red, then the freed cells in green,
// which the outline describes from then on.
void outlineFreeEnd(Session& session, bool head, size_t fixedCells, size_t freedCells, SearchOutcome& out) {
    Outline& o = session.outline;
    const bool row = session.workMode == 1;
    if (!row && session.workMode != 2) return;
    int16_t& at = row ? o.cx : o.cy;
    int16_t& span = row ? o.LAX : o.LAY;
    const int16_t saved = at;
    if (head) at = static_cast<int16_t>(at + freedCells);
    span = static_cast<int16_t>(fixedCells);
    out.effects.repaintWithRed(o);
    at = head ? saved : static_cast<int16_t>(saved + span);
    span = static_cast<int16_t>(freedCells);
    out.effects.greenOutline = o;
}

}  // namespace

SearchOutcome freeHead(Session& session, Progress& progress) {
    SearchOutcome out;
    SlotState& slot = session.slot;
    if (firstChecks(session, !slot.tailCut.empty(), texts::BAD_REQUEST, texts::FREE_HEAD_TITLE, out) != Gate::Open)
        return out;
    const std::string& p = slot.slotPattern;
    if (!p.empty() && p.front() == '*') {
        refuse(out, texts::ALREADY_ON);
        return out;
    }
    if (p.size() <= 2 || p[0] != '?' || p[1] != '?') {
        refuse(out, texts::BAD_REQUEST);
        return out;
    }
    size_t k = p.size();  // 1-based position of the first letter, the last cell not counted
    for (size_t i = 0; i + 1 < p.size(); ++i)
        if (p[i] != '?') {
            k = i + 1;
            break;
        }
    slot.headCut = p.substr(0, k - 1);
    slot.slotPattern = "*" + p.substr(k - 1);
    showPattern(session, out);
    outlineFreeEnd(session, true, slot.slotPattern.size() - 1, slot.headCut.size(), out);
    ricerca(session, progress, out);
    return out;
}

void freeTail(Session& session, Progress& progress, SearchOutcome& out) {
    SlotState& slot = session.slot;
    if (firstChecks(session, !slot.headCut.empty(), texts::NOT_POSSIBLE, texts::FREE_TAIL_TITLE, out) != Gate::Open)
        return;
    const std::string& p = slot.slotPattern;
    if (!p.empty() && p.back() == '*') return refuse(out, texts::ALREADY_ON);
    if (p.size() <= 2 || p.back() != '?' || p[p.size() - 2] != '?') return refuse(out, texts::BAD_REQUEST);
    size_t k = 1;  // 1-based position of the last letter, the first cell not counted
    for (size_t i = p.size() - 1; i >= 1; --i)
        if (p[i] != '?') {
            k = i + 1;
            break;
        }
    slot.tailCut = p.substr(k);
    slot.slotPattern = p.substr(0, k) + "*";
    showPattern(session, out);
    outlineFreeEnd(session, false, slot.slotPattern.size() - 1, slot.tailCut.size(), out);
    ricerca(session, progress, out);
}

SearchOutcome freeTail(Session& session, Progress& progress) {
    SearchOutcome out;
    freeTail(session, progress, out);
    return out;
}

SearchOutcome shortenHead(Session& session, Progress& progress) {
    SearchOutcome out;
    SlotState& slot = session.slot;
    if (firstChecks(session, !slot.tailCut.empty(), texts::BAD_REQUEST, texts::SHORTEN_HEAD_TITLE, out) != Gate::Open)
        return out;
    std::string& p = slot.slotPattern;
    if (p.size() <= 2) {
        refuse(out, texts::NOT_POSSIBLE);
        return out;
    }
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
    Outline& o = session.outline;
    if (session.workMode == 1) {
        slot.slotColFirst = static_cast<int16_t>(slot.slotColFirst + leaving);
        o = {slot.slotColFirst, o.cy,
             static_cast<int16_t>(slot.slotColLast - slot.slotColFirst + 1 - static_cast<int>(slot.tailCut.size())), 1};
        out.effects.repaintWithRed(o);
    } else if (session.workMode == 2) {
        slot.slotRowFirst = static_cast<int16_t>(slot.slotRowFirst + leaving);
        o = {o.cx, slot.slotRowFirst, 1,
             static_cast<int16_t>(slot.slotRowLast - slot.slotRowFirst + 1 - static_cast<int>(slot.tailCut.size()))};
        out.effects.repaintWithRed(o);
    }
    showPattern(session, out);
    ricerca(session, progress, out);
    return out;
}

SearchOutcome shortenTail(Session& session, Progress& progress) {
    SearchOutcome out;
    SlotState& slot = session.slot;
    if (firstChecks(session, !slot.headCut.empty(), texts::NOT_POSSIBLE, texts::SHORTEN_TAIL_TITLE, out) != Gate::Open)
        return out;
    std::string& p = slot.slotPattern;
    if (p.size() <= 2) {
        refuse(out, texts::NOT_POSSIBLE);
        return out;
    }
    slot.testom = p.substr(0, p.size() - 1);
    slot.slotFull = slot.testom;
    if (p.back() == '?' && !slot.tailCut.empty()) slot.tailCut.pop_back();
    if (p.back() == '*') slot.tailCut.clear();
    p.pop_back();
    // A letter now ends the pattern: the slot ends with it (this re-fits the
    // slot after a free tail was dropped).
    const bool refit = p.back() != '?';
    if (refit) slot.testom = p;
    Outline& o = session.outline;
    if (session.workMode == 1) {
        slot.slotColLast = refit ? static_cast<int16_t>(slot.slotColFirst + static_cast<int>(p.size()) - 1)
                                 : static_cast<int16_t>(slot.slotColLast - 1);
        o = {slot.slotColFirst, o.cy, static_cast<int16_t>(slot.slotColLast - slot.slotColFirst + 1), 1};
        out.effects.repaintWithRed(o);
    } else if (session.workMode == 2) {
        slot.slotRowLast = refit ? static_cast<int16_t>(slot.slotRowFirst + static_cast<int>(p.size()) - 1)
                                 : static_cast<int16_t>(slot.slotRowLast - 1);
        o = {o.cx, static_cast<int16_t>(slot.slotRowFirst + static_cast<int>(slot.headCut.size())), 1,
             static_cast<int16_t>(slot.slotRowLast - slot.slotRowFirst + 1)};
        out.effects.repaintWithRed(o);
    }
    showPattern(session, out);
    ricerca(session, progress, out);
    return out;
}

}  // namespace quirvo
