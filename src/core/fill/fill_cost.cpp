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

FillReport fillReport(const WordTable& table, const Grid& grid, DictMask active) {
    FillReport report;
    std::map<std::string, int> seen;
    for (const Slot& slot : slotsOf(grid)) {
        const std::string word = slot.pattern(grid);
        const uint32_t at = table.find(word);
        const int dictionary = at == WordTable::NOT_FOUND ? 0 : table.firstDictionary(slot.length, at, active);
        ++report.wordsByDictionary[size_t(dictionary)];
        report.totalCost += wordCost(word, dictionary, active);
        if (++seen[word] == 2) report.repeated.push_back(word);
    }
    return report;
}

}  // namespace quirvo
