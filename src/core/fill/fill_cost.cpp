#include "core/fill/fill_cost.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <string>

#include "core/grid/slot.h"

namespace quirvo {

namespace {

// Articles, prepositions, pronouns and everyday words of two and three
// letters, accents folded as in the word lists.
constexpr std::array<std::string_view, 118> ACCEPTED_SHORT{
    "AD",  "AH",  "AI",  "AL",  "CI",  "DA",  "DI",  "DO",  "ED",  "EH",  "FA",  "FU",  "HA",  "HO",  "IL",
    "IN",  "IO",  "LA",  "LE",  "LI",  "LO",  "MA",  "ME",  "MI",  "NE",  "NO",  "OD",  "OH",  "RE",  "SE",
    "SI",  "SO",  "SU",  "TE",  "TI",  "TU",  "UN",  "VA",  "VE",  "VI",  "ALA", "ALI", "ALT", "AMO", "ANO",
    "APE", "ARA", "ARE", "ASA", "BAR", "BEN", "BOA", "BUE", "BUS", "CHE", "CHI", "CON", "CUI", "DAI", "DAL",
    "DEI", "DEL", "DIO", "DUE", "ECO", "ERA", "ERO", "EST", "FRA", "GAS", "GIA", "GLI", "GRU", "IRA", "LEI",
    "LUI", "MAI", "MAL", "MAR", "MIA", "MIE", "MIO", "NEI", "NEL", "NOI", "NON", "OCA", "ORA", "ORE", "ORO",
    "OSA", "OVE", "OVO", "PER", "PIU", "POI", "PRO", "QUA", "QUI", "RAS", "SEI", "SUA", "SUE", "SUI",
    "SUL", "SUO", "TRA", "TRE", "TUA", "TUE", "TUO", "UNA", "UNO", "UVA", "VIA", "VOI", "ZIA", "ZIO",
};

constexpr int SHORT_EXTRA = 2;
constexpr int UNLISTED_COST = 10;

}  // namespace

bool acceptedShortEntry(std::string_view word) {
    return std::find(ACCEPTED_SHORT.begin(), ACCEPTED_SHORT.end(), word) != ACCEPTED_SHORT.end();
}

int wordCost(std::string_view word, int dictionary, DictMask active) {
    if (dictionary < 1) return UNLISTED_COST;
    const int rank = std::popcount(unsigned(active) & ((1u << (dictionary - 1)) - 1));
    const bool plainShort = word.size() <= 3 && !acceptedShortEntry(word);
    return 1 + rank + (plainShort ? SHORT_EXTRA : 0);
}

int tableWordCost(const WordTable& table, int length, uint32_t index, DictMask active, const WordRules* rules) {
    const int dictionary = table.firstDictionary(length, index, active);
    if (!rules) return wordCost(table.word(length, index), dictionary, active);
    const int rank = dictionary < 1 ? UNLISTED_COST : std::popcount(unsigned(active) & ((1u << (dictionary - 1)) - 1));
    return 1 + rank + rules->cost(length, index);
}

void judgeFill(const WordRules& rules, const Grid& grid, FillReport& report) {
    const WordTable& table = rules.facts().table();
    report.entriesByKind = {};
    report.refused.clear();
    std::vector<uint32_t> lemmas;
    long familiarity = 0;
    const std::vector<Slot> slots = slotsOf(grid);
    for (const Slot& slot : slots) {
        const std::string word = slot.pattern(grid);
        const uint32_t at = table.find(word);
        const FactRecord fact = rules.facts().find(word);
        ++report.entriesByKind[size_t(bestKind(fact.kinds))];
        familiarity += fact.familiarity;
        const bool lemmaAgain = fact.lemma != NO_LEMMA && std::find(lemmas.begin(), lemmas.end(), fact.lemma) != lemmas.end();
        if (fact.lemma != NO_LEMMA) lemmas.push_back(fact.lemma);
        if (at == WordTable::NOT_FOUND || !rules.accepts(slot.length, at) || lemmaAgain) report.refused.push_back(word);
    }
    report.judged = true;
    if (!slots.empty()) report.meanFamiliarity = double(familiarity) / double(slots.size());
}

FillReport fillReport(const WordTable& table, const Grid& grid, DictMask active, const WordRules* rules) {
    FillReport report;
    std::map<std::string, int> seen;
    for (const Slot& slot : slotsOf(grid)) {
        const std::string word = slot.pattern(grid);
        const uint32_t at = table.find(word);
        const int dictionary = at == WordTable::NOT_FOUND ? 0 : table.firstDictionary(slot.length, at, active);
        ++report.wordsByDictionary[size_t(dictionary)];
        report.totalCost += at == WordTable::NOT_FOUND ? wordCost(word, 0, active)
                                                        : tableWordCost(table, slot.length, at, active, rules);
        if (++seen[word] == 2) report.repeated.push_back(word);
    }
    if (rules) judgeFill(*rules, grid, report);
    return report;
}

}  // namespace quirvo
