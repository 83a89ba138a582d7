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

// What a word of the table costs a fill: by its dictionary alone, or with
// rules by its dictionary, kind and familiarity.
int tableWordCost(const WordTable& table, int length, uint32_t index, DictMask active, const WordRules* rules);

// Adds to a report the entries by kind, their mean familiarity and those
// the rules refuse, a second form of a lemma among them.
void judgeFill(const WordRules& rules, const Grid& grid, FillReport& report);

// Words by dictionary, total cost and repeated words of a grid's slots;
// with rules, also what the rules make of its entries.
FillReport fillReport(const WordTable& table, const Grid& grid, DictMask active, const WordRules* rules = nullptr);

}  // namespace quirvo
