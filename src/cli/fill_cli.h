#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/dictionary/lexicon_state.h"
#include "core/grid/grid.h"

namespace quirvo::cli {

// What the insight and fill verbs are given on their command line.
struct FillCliOptions {
    std::string dir = ".";
    std::vector<int> off;
    double seconds = 60;
    uint64_t seed = 1;
    bool improve = false;
    std::string out;   // --out, "" for none
    std::string grid;  // the grid file
};

// Reads --dir and --off, and for fill also --seconds, --seed, --improve
// and --out; false with a message on stderr for anything else.
bool parseFillOptions(const std::string& verb, const std::vector<std::string>& args, bool fillVerb,
                      FillCliOptions& options);

// Reads the grid file (its old block code "@" taken as a block) and then
// the dictionaries; 0, or the exit code after a message on stderr.
int loadGridAndDictionaries(const std::string& verb, const FillCliOptions& options, Grid& grid,
                            LexiconState& lexicon);

// A grid row as JSON text: "#" for a block, "?" for an empty cell.
std::string jsonRow(const Grid& grid, int row);

}  // namespace quirvo::cli
