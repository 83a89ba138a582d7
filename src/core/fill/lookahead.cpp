#include "core/fill/lookahead.h"

#include <algorithm>
#include <map>
#include <optional>

#include "core/dictionary/candidates.h"
#include "core/editing/list_transfer.h"
#include "core/fill/slot_domains.h"
#include "core/grid/cell_codes.h"

namespace quirvo {

namespace {

// The crossing slot through each empty cell the list's slot meets, and
// the letters it allows there, computed once per cell.
class CrossingLetters {
public:
    CrossingLetters(const WordTable& table, DictMask active, const WordRules* rules, const Grid& grid,
                    Direction crossing)
        : table_(table), active_(active), rules_(rules), grid_(grid), crossing_(crossing) {}

    // The crossing slot a letter at the empty cell (row, col) leaves
    // without words, if any.
    std::optional<Slot> blockedBy(int row, int col, char letter) {
        const std::pair<int, int> key{row, col};
        auto it = crossings_.find(key);
        if (it == crossings_.end()) it = crossings_.emplace(key, crossingAt(row, col)).first;
        const auto& [slot, bits] = it->second;
        const bool allowed = letter >= 'A' && letter <= 'Z' && (bits & (1u << (letter - 'A')));
        return allowed ? std::nullopt : slot;
    }

private:
    std::pair<std::optional<Slot>, uint32_t> crossingAt(int row, int col) const {
        const std::optional<Slot> slot = slotAt(grid_, row, col, crossing_);
        if (!slot) return {std::nullopt, ~0u};  // no crossing word to spoil
        const int at = slot->indexOf(row, col);
        if (rules_) return {slot, patternDomain(table_, slot->pattern(grid_), active_, rules_).letters(at)};
        return {slot, candidates(table_, slot->pattern(grid_), active_).letters[size_t(at)]};
    }

    const WordTable& table_;
    DictMask active_;
    const WordRules* rules_;
    const Grid& grid_;
    Direction crossing_;
    std::map<std::pair<int, int>, std::pair<std::optional<Slot>, uint32_t>> crossings_;
};

// Adds to blocked, in the order of the word's cells, each crossing the
// word leaves without words; whether it left any.
bool addBlocked(const std::string& word, const Grid& grid, const ListPlace& place, CrossingLetters& crossing,
                BlockedSlots& blocked) {
    const bool across = place.direction == Direction::Across;
    bool any = false;
    for (const auto& [offset, letter] : layOutWord(word).letters) {
        const int r = across ? place.row : place.row + offset;
        const int c = across ? place.col + offset : place.col;
        if (!grid.inside(r, c) || grid.cell(r, c) != EMPTY_CELL) continue;
        const std::optional<Slot> slot = crossing.blockedBy(r, c, letter);
        if (!slot) continue;
        any = true;
        if (std::find(blocked.begin(), blocked.end(), *slot) == blocked.end()) blocked.push_back(*slot);
    }
    return any;
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

std::vector<BlockedSlots> deadListLines(const WordTable& table, DictMask active, const Grid& grid,
                                        const ListPlace& place, const std::vector<std::string>& lines,
                                        int workMode, const std::atomic<bool>* stop, const WordRules* rules) {
    std::vector<BlockedSlots> dead(lines.size());
    const Direction crossing = place.direction == Direction::Across ? Direction::Down : Direction::Across;
    CrossingLetters letters(table, active, rules, grid, crossing);
    const auto byCell = [](const Slot& a, const Slot& b) { return std::pair(a.row, a.col) < std::pair(b.row, b.col); };
    for (size_t i = 0; i < lines.size(); ++i) {
        if (stop && stop->load(std::memory_order_relaxed)) break;
        const std::optional<std::string> offered = offeredText(lines[i], workMode);
        if (!offered || offered->empty()) continue;
        BlockedSlots blocked;
        bool all = true;
        for (const std::string& word : wordsOfLine(*offered)) all = addBlocked(word, grid, place, letters, blocked) && all;
        if (!all) continue;
        std::sort(blocked.begin(), blocked.end(), byCell);
        dead[i] = std::move(blocked);
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
