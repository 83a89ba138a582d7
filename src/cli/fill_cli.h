#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/dictionary/lexicon_state.h"
#include "core/fill/word_rules.h"
#include "core/grid/grid.h"

namespace quirvo::cli {

// What the insight and fill verbs are given on their command line.
struct FillCliOptions {
    std::string dir = ".";
    std::vector<int> off;
    double seconds = 60;
    uint64_t seed = 1;
    bool improve = false;
    bool rules = false;      // --rules rivista
    int minFamiliarity = 0;  // --min-familiarity
    std::string out;   // --out, "" for none
    std::string grid;  // the grid file
};

// Reads --dir, --off, --rules and --min-familiarity, and for fill also
// --seconds, --seed, --improve and --out; false with a message on stderr
// for anything else.
bool parseFillOptions(const std::string& verb, const std::vector<std::string>& args, bool fillVerb,
                      FillCliOptions& options);

// Reads the grid file (its old block code "@" taken as a block) and then
// the dictionaries with their word facts; 0, or the exit code after a
// message on stderr.
int loadGridAndDictionaries(const std::string& verb, const FillCliOptions& options, Grid& grid,
                            LexiconState& lexicon);

// The editor's rules as the options set them, over the loaded lexicon's
// facts: what the verb checks or fills by when --rules rivista is given,
// and what it judges the answer by in any case. Null without facts.
std::shared_ptr<const WordRules> cliRules(const FillCliOptions& options, const LexiconState& lexicon);

// A grid row as JSON text: "#" for a block, "?" for an empty cell.
std::string jsonRow(const Grid& grid, int row);

}  // namespace quirvo::cli
