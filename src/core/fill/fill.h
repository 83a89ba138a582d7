#pragma once

#include <vector>

#include "core/dictionary/word_table.h"
#include "core/fill/fill_options.h"
#include "core/grid/grid.h"
#include "core/grid/slot.h"

namespace quirvo {

// Fills every empty cell of a grid, keeping its letters, so that every
// slot reads a word of the active dictionaries and no word is read twice.
// A complete search with propagation, restarts and a time limit: NoFill
// only when the search proved there is none. A white cell in no slot gets
// a letter too.
FillResult fill(const WordTable& table, const Grid& grid, const FillOptions& options);

// The words for one slot after which the rest of the grid keeps a
// candidate for every slot (arc consistency, no repeated words), best
// first, at most maxWords of them. Empty when the grid is blocked already.
std::vector<SlotWord> fillSlot(const WordTable& table, const Grid& grid, const Slot& slot,
                               const FillOptions& options, size_t maxWords = 50);

}  // namespace quirvo
