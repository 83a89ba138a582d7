#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "core/dictionary/word_table.h"
#include "core/fill/word_rules.h"
#include "core/grid/grid.h"
#include "core/grid/slot.h"

namespace quirvo {

// Where the lines of a row or column result list would be written: the
// cell a word's first character lands on, and the direction it runs.
struct ListPlace {
    int row = 0, col = 0;
    Direction direction = Direction::Across;
};

// For each line of a row (mode 1) or column (mode 2) result list, the
// crossing slots of the grid that transferring it would leave without a
// candidate among the active dictionaries, in the order of their cells:
// slots where some letter it writes into an empty cell is one the slot's
// words never put there. The line is dead when the list is not empty. A
// line with alternative letters in brackets is dead only when every
// alternative is, and then blocks what any of them would. Lines that offer
// nothing are never dead. Stops early, with what it has, when stop is set.
// With rules, only the words they accept count for the crossing slots.
using BlockedSlots = std::vector<Slot>;
std::vector<BlockedSlots> deadListLines(const WordTable& table, DictMask active, const Grid& grid,
                                        const ListPlace& place, const std::vector<std::string>& lines,
                                        int workMode, const std::atomic<bool>* stop = nullptr,
                                        const WordRules* rules = nullptr);

// For each line of a row or column result list, whether the rules refuse
// every word it offers. Lines of words the table lacks are never refused.
std::vector<bool> refusedListLines(const WordRules& rules, const std::vector<std::string>& lines, int workMode);

}  // namespace quirvo
