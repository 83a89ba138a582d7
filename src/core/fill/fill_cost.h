#pragma once

#include <string_view>

#include "core/dictionary/word_table.h"
#include "core/fill/fill_options.h"
#include "core/grid/grid.h"

namespace quirvo {

// What a word costs a fill: base.diz words are cheapest, then each further
// active dictionary in slot order costs one more; a word of two or three
// letters that is not a common Italian short word costs extra, since those
// read as filler to a solver.
int wordCost(std::string_view word, int dictionary, DictMask active);

// Whether a two- or three-letter word is one setters accept freely.
bool acceptedShortEntry(std::string_view word);

// Words by dictionary, total cost and repeated words of a grid's slots.
FillReport fillReport(const WordTable& table, const Grid& grid, DictMask active);

}  // namespace quirvo
