#include "core/dictionary/slot_search.h"

#include <algorithm>

#include "core/dictionary/line_matcher.h"

namespace quirvo {

namespace {

// What stays the same for every dictionary of one search.
struct ScanPlan {
    LineShape shape;
    size_t minLength = 0, maxLength = 0;  // accepted line lengths
    std::string_view fixedPrefix;         // the sorted-order stop compares it
    char lastPatternChar = 0;
    size_t fullLength = 0;                // free head: the slot's cells
};

ScanPlan planFor(const SlotQuery& q) {
    ScanPlan plan;
    const std::string_view p = q.pattern;
    const bool freeHead = p.front() == '*';
    const bool freeEnd = freeHead || p.back() == '*';
    plan.shape = LineShape{p, freeHead, true};
    plan.minLength = p.size();
    plan.maxLength = freeEnd ? q.full.size() : std::min(p.size(), q.full.size());
    if (!freeHead) plan.fixedPrefix = p.substr(0, firstWildPosition(p) - 1);
    plan.lastPatternChar = p.back();
    plan.fullLength = p.size() + q.headCut.size() - 1;
    return plan;
}

// inlista: keeps a line that passed the position test, unless the base
// dictionary's last-letter rule turns it down.
void inlista(std::string_view riga, int ndi, const ScanPlan& plan, std::vector<SlotHit>& into) {
    std::string_view last = riga.substr(riga.size() - 1);
    if (ndi == 1) {
        last = resolvedLastChar(riga.back(), isWildcard(plan.lastPatternChar) ? 0 : plan.lastPatternChar);
        if (last.empty()) return;
    }
    const size_t lead = plan.shape.fromRight && plan.fullLength > riga.size() ? plan.fullLength - riga.size() : 0;
    into.push_back(SlotHit{riga, last, static_cast<uint8_t>(ndi), static_cast<uint32_t>(lead)});
}

bool isRemarkLine(std::string_view riga) { return riga.front() == '\'' || riga.front() == '#'; }

// One active dictionary: the passing lines of every accepted length, merged
// back into file order so that the cap keeps the entries the line-by-line
// scan would keep.
void scanDictionary(const Dictionary& dict, const SearchIndex& index, int ndi, const ScanPlan& plan,
                    bool estesa, SlotScan& out, Progress& progress) {
    if (index.lineCount() == 0 || plan.minLength > plan.maxLength) return;
    const uint32_t first = scanStartLine(dict, index, plan.shape.pattern.front());
    const uint32_t last = scanLastLine(dict, index, first, plan.fixedPrefix);
    std::vector<MatchCursor> cursors;
    cursors.reserve(plan.maxLength - plan.minLength + 2);
    const size_t columnMax = std::min(plan.maxLength, SearchIndex::COLUMN_LENGTH_LIMIT);
    for (size_t len = plan.minLength; len <= columnMax; ++len)
        if (index.bucket(len)) cursors.emplace_back(index, dict.dictText, plan.shape, len, first, last);
    if (plan.maxLength > SearchIndex::COLUMN_LENGTH_LIMIT)
        cursors.push_back(MatchCursor::longLines(index, dict.dictText, plan.shape, plan.minLength,
                                                 plan.maxLength, first, last));
    for (MatchCursor& c : cursors)
        if (!c.advance(progress)) return void(out.stopped = true);
    for (;;) {
        auto next = std::min_element(cursors.begin(), cursors.end(),
                                     [](const MatchCursor& a, const MatchCursor& b) { return a.line() < b.line(); });
        if (next == cursors.end() || next->line() == NO_LINE) return;
        if (progress.tick()) return void(out.stopped = true);
        const std::string_view riga = index.line(dict.dictText, next->line());
        if (!isRemarkLine(riga)) {
            inlista(riga, ndi, plan, out.hits);
            if (!estesa && out.hits.size() == RESULT_CAP) return void(out.capped = true);
        }
        if (!next->advance(progress)) return void(out.stopped = true);
    }
}

}  // namespace

bool refusedPattern(std::string_view pattern) {
    const bool open = pattern.find_first_of("?*") != std::string_view::npos;
    const bool allOpen = pattern.find_first_not_of('?') == std::string_view::npos;
    return !open || allOpen || pattern.size() < 2;
}

size_t firstWildPosition(std::string_view pattern) {
    size_t at = pattern.find('?');
    if (at == std::string_view::npos) at = pattern.find('*');
    return at == std::string_view::npos ? 0 : at + 1;
}

SlotScan scanSlot(const Lexicon& lexicon, const DictMask& active, const SlotQuery& query, Progress& progress) {
    SlotScan out;
    if (!query.estesa) out.hits.reserve(RESULT_CAP);
    const ScanPlan plan = planFor(query);
    for (int ndi = 1; ndi <= SEARCHABLE_SLOTS; ++ndi) {
        const Dictionary& dict = lexicon[ndi];
        if (!dict.present() || !(active & slotBit(ndi))) continue;
        scanDictionary(dict, lexicon.indexes()[ndi], ndi, plan, query.estesa, out, progress);
        if (out.stopped || out.capped) break;
    }
    return out;
}

}  // namespace quirvo
