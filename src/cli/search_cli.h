#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionary/facts_file.h"
#include "core/dictionary/lexicon_state.h"

namespace quirvo::cli {

// What the search and cross verbs share: the program folder and the search
// options, as the program's menus would set them.
struct SearchCliOptions {
    std::string dir = ".";
    bool estesa = false;  // "Ricerca Estesa" checked
    bool libera = true;   // "Lunghezza Libera" checked
    std::vector<int> off;  // dictionary slots switched off
    std::vector<std::string> flags;       // the verb's own switches that were given
    std::vector<std::string> positional;  // everything else
};

// Reads --dir, --estesa, --no-libera and --off, and the verb's own switches
// (e.g. "--head"); false with a message on stderr for anything else.
bool parseSearchOptions(const std::string& verb, const std::vector<std::string>& args,
                        const std::vector<std::string>& ownFlags, SearchCliOptions& options);

// Reads the list of --off: dictionary numbers separated by commas.
bool parseSlots(const std::string& verb, const std::string& list, std::vector<int>& slots);

bool hasFlag(const SearchCliOptions& options, const std::string& flag);

// Loads the folder as the program does into a lexicon and switches the
// `off` slots off; returns 0, or the exit code after a message on stderr.
// Given `facts`, the folder's word facts are read into it and go with the
// lexicon; a missing or damaged file is the caller's to report.
int loadFolder(const std::string& verb, const std::string& dir, const std::vector<int>& off, LexiconState& into,
               FactsLoad* facts = nullptr);

// Loads the folder as the program does and sets the options; returns 0, or
// the exit code after a message on stderr.
int prepareLexicon(const std::string& verb, const SearchCliOptions& options, LexiconState& lexicon);

// A slot or run argument: letters (upper-cased) and the given extra characters.
bool readCells(const std::string& verb, const std::string& arg, std::string_view extra, std::string& cells);

}  // namespace quirvo::cli
