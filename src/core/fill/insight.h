#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/dictionary/word_table.h"
#include "core/grid/grid.h"
#include "core/fill/word_rules.h"
#include "core/grid/slot.h"

namespace quirvo {

struct SlotInsight {
    Slot slot;
    uint32_t candidates = 0;  // words that fit the slot as it stands
    uint32_t remaining = 0;   // of those, the ones arc consistency keeps
};

struct CellLetter {
    int16_t row = 0, col = 0;
    char letter = 0;  // 0 for a dead cell
};

// The state of a grid against the active dictionaries.
struct InsightReport {
    std::vector<SlotInsight> slots;  // in slotsOf order
    // Per cell (row * colCount + col): bit x when letter 'A' + x keeps a
    // candidate in every slot through the cell, before propagation. Every
    // letter for a white cell in no slot, none for a black cell.
    std::vector<uint32_t> options;
    // Per cell, the same at the arc-consistency fixpoint; when the grid is
    // not consistent, wherever propagation stood as it found a slot empty.
    std::vector<uint32_t> remaining;
    std::vector<CellLetter> dead;    // cells in a slot with no option, by row then column
    std::vector<CellLetter> forced;  // empty cells left with one letter; empty unless consistent
    bool consistent = false;  // every slot keeps a candidate at the fixpoint
    bool stopped = false;     // the stop flag ended the check; the rest is incomplete
};

class InsightCache;

// The whole-grid check, kept between calls: each slot's candidates are
// remembered by pattern, and a grid that only gained letters propagates on
// from the previous fixpoint, so a check after one typed letter is cheap.
// One thread at a time per object; the table may be shared.
class Insight {
public:
    // With rules, only the words they accept count.
    Insight(const WordTable& table, DictMask active, std::shared_ptr<const WordRules> rules = nullptr);
    ~Insight();
    Insight(Insight&&) noexcept;
    Insight& operator=(Insight&&) noexcept;

    InsightReport check(const Grid& grid, const std::atomic<bool>* stop = nullptr);

private:
    std::unique_ptr<InsightCache> cache_;
};

// A one-off check with nothing remembered.
InsightReport insight(const WordTable& table, DictMask active, const Grid& grid,
                      const std::atomic<bool>* stop = nullptr, std::shared_ptr<const WordRules> rules = nullptr);

}  // namespace quirvo
