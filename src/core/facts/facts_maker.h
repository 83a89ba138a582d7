#pragma once

#include <string>
#include <vector>

#include "core/dictionary/word_table.h"
#include "core/facts/fact_sources.h"

namespace quirvo {

// Makes the facts file for every word of a word table from the sources:
// the bytes of parole.fatti listing `dictionaries` as those it was made
// for; "" with `error` set when a source cannot be read.
std::string makeFacts(const FactsSources& sources, const WordTable& table, const std::vector<std::string>& dictionaries,
                      std::string& error);

// The text of the names list nomi.dic is built from: one remark line per
// group on where it comes from, then its names as Italian writes them, one
// a line; names of more than one word are left out.
std::string makeNamesList(const ReadSources& sources);

}  // namespace quirvo
