#pragma once

#include <string>

#include "core/dictionary/word_table.h"
#include "core/fill/word_rules.h"
#include "core/grid/grid.h"
#include "core/schema/structure.h"

namespace quirvo {

// What a schema must be for the start it was made from.
struct SchemaDemands {
    DictMask active = 0x3F;
    const WordRules* rules = nullptr;  // null: every word of the active dictionaries
    Symmetry symmetry = Symmetry::None;
    int maxBlack = 0;
};

// Why a schema is no answer for its start, "" when it is one: the start's
// letters and black cells kept, every other cell a letter or a black cell,
// the structure of a schema, no more black cells than allowed, every slot
// a word of the active dictionaries (that the rules accept, when there are
// rules), no word twice and, under the rules, no two forms of one lemma.
std::string schemaFault(const WordTable& table, const Grid& start, const Grid& schema, const SchemaDemands& demands);

}  // namespace quirvo
