#include "core/fill/slot_domains.h"

#include <map>
#include <string>

#include "core/dictionary/candidates.h"
#include "core/grid/cell_codes.h"

namespace quirvo {

Domain patternDomain(const WordTable& table, const std::string& pattern, DictMask active, const WordRules* rules) {
    const int length = int(pattern.size());
    const bool open = pattern.find_first_not_of(EMPTY_CELL) == std::string::npos;
    if (open && !rules) return Domain::allWords(table, length, active);
    std::vector<uint64_t> bits = open ? table.wordsOf(length, active) : candidateBits(table, pattern, active);
    if (rules)
        for (size_t b = 0; b < bits.size(); ++b) bits[b] &= rules->accepted(length)[b];
    return Domain(table, length, std::move(bits));
}

std::vector<Domain> slotDomains(const WordTable& table, const Grid& grid, const SlotGraph& graph, DictMask active,
                                const WordRules* rules) {
    std::map<std::string, size_t> first;
    std::vector<Domain> domains;
    domains.reserve(graph.slots.size());
    for (const Slot& slot : graph.slots) {
        const std::string pattern = slot.pattern(grid);
        const auto [at, fresh] = first.emplace(pattern, domains.size());
        if (fresh) domains.push_back(patternDomain(table, pattern, active, rules));
        else domains.push_back(domains[at->second]);
    }
    return domains;
}

Grid gridWithWords(const Grid& grid, const SlotGraph& graph, const std::vector<uint32_t>& words,
                   const WordTable& table) {
    Grid out = grid;
    for (size_t s = 0; s < graph.slots.size(); ++s) {
        const Slot& slot = graph.slots[s];
        const std::string_view word = table.word(slot.length, words[s]);
        for (int i = 0; i < slot.length; ++i) out.setCell(slot.rowOf(i), slot.colOf(i), word[size_t(i)]);
    }
    for (int r = 0; r < out.rowCount; ++r)
        for (int c = 0; c < out.colCount; ++c)
            if (!out.isBlack(r, c) && !isLetterCode(out.cell(r, c))) out.setCell(r, c, 'A');
    return out;
}

}  // namespace quirvo
