#pragma once

#include <string>
#include <vector>

#include "core/dictionary/word_table.h"
#include "core/fill/domain.h"
#include "core/fill/slot_graph.h"
#include "core/fill/word_rules.h"
#include "core/grid/grid.h"

namespace quirvo {

// The words that fit a pattern of letters and "?", of those the rules
// accept when there are rules.
Domain patternDomain(const WordTable& table, const std::string& pattern, DictMask active,
                     const WordRules* rules = nullptr);

// The words that fit each slot of a grid as it stands, one lookup per
// distinct pattern.
std::vector<Domain> slotDomains(const WordTable& table, const Grid& grid, const SlotGraph& graph, DictMask active,
                                const WordRules* rules = nullptr);

// The grid with every slot reading the one word its domain holds, and
// every empty white cell outside the slots given a letter.
Grid gridWithWords(const Grid& grid, const SlotGraph& graph, const std::vector<uint32_t>& words,
                   const WordTable& table);

}  // namespace quirvo
