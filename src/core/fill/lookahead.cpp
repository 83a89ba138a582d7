#include "core/fill/lookahead.h"

#include <map>

#include "core/dictionary/candidates.h"
#include "core/editing/list_transfer.h"
#include "core/fill/slot_domains.h"
#include "core/grid/cell_codes.h"

namespace quirvo {

namespace {

// The letters each crossing slot allows at the cell where the list's slot
// meets it, computed once per crossing.
class CrossingLetters {
public:
    CrossingLetters(const WordTable& table, DictMask active, const WordRules* rules, const Grid& grid,
                    Direction crossing)
        : table_(table), active_(active), rules_(rules), grid_(grid), crossing_(crossing) {}

    // Whether the letter may stand at the empty cell (row, col).
    bool allows(int row, int col, char letter) {
        const std::pair<int, int> key{row, col};
        auto it = bits_.find(key);
        if (it == bits_.end()) it = bits_.emplace(key, lettersAt(row, col)).first;
        return letter >= 'A' && letter <= 'Z' && (it->second & (1u << (letter - 'A')));
    }

private:
    uint32_t lettersAt(int row, int col) const {
        const std::optional<Slot> slot = slotAt(grid_, row, col, crossing_);
        if (!slot) return ~0u;  // no crossing word to spoil
        const int at = slot->indexOf(row, col);
        if (rules_) return patternDomain(table_, slot->pattern(grid_), active_, rules_).letters(at);
        return candidates(table_, slot->pattern(grid_), active_).letters[size_t(at)];
    }

    const WordTable& table_;
    DictMask active_;
    const WordRules* rules_;
    const Grid& grid_;
    Direction crossing_;
    std::map<std::pair<int, int>, uint32_t> bits_;
};

bool wordIsDead(const std::string& word, const Grid& grid, const ListPlace& place, CrossingLetters& crossing) {
    const bool across = place.direction == Direction::Across;
    for (const auto& [offset, letter] : layOutWord(word).letters) {
        const int r = across ? place.row : place.row + offset;
        const int c = across ? place.col + offset : place.col;
        if (!grid.inside(r, c) || grid.cell(r, c) != EMPTY_CELL) continue;
        if (!crossing.allows(r, c, letter)) return true;
    }
    return false;
}

// The words a line may transfer: one, or one per bracketed alternative.
std::vector<std::string> wordsOfLine(const std::string& offered) {
    const size_t p = offered.find('(');
    const size_t q = offered.find(')');
    if (p == std::string::npos || q == std::string::npos || q < p) return {offered};
    std::vector<std::string> words;
    for (size_t i = p + 1; i < q; ++i) words.push_back(offered.substr(0, p) + offered[i]);
    return words;
}

}  // namespace

std::vector<bool> deadListLines(const WordTable& table, DictMask active, const Grid& grid, const ListPlace& place,
                                const std::vector<std::string>& lines, int workMode,
                                const std::atomic<bool>* stop, const WordRules* rules) {
    std::vector<bool> dead(lines.size(), false);
    const Direction crossing = place.direction == Direction::Across ? Direction::Down : Direction::Across;
    CrossingLetters letters(table, active, rules, grid, crossing);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (stop && stop->load(std::memory_order_relaxed)) break;
        const std::optional<std::string> offered = offeredText(lines[i], workMode);
        if (!offered || offered->empty()) continue;
        const std::vector<std::string> words = wordsOfLine(*offered);
        bool all = !words.empty();
        for (const std::string& word : words) all = all && wordIsDead(word, grid, place, letters);
        dead[i] = all;
    }
    return dead;
}

std::vector<bool> refusedListLines(const WordRules& rules, const std::vector<std::string>& lines, int workMode) {
    const WordTable& table = rules.facts().table();
    std::vector<bool> refused(lines.size(), false);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::optional<std::string> offered = offeredText(lines[i], workMode);
        if (!offered || offered->empty()) continue;
        bool all = true;
        for (const std::string& word : wordsOfLine(*offered)) {
            const uint32_t at = table.find(word);
            all = all && at != WordTable::NOT_FOUND && !rules.accepts(int(word.size()), at);
        }
        refused[i] = all;
    }
    return refused;
}

}  // namespace quirvo
