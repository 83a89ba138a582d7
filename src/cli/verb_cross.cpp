#include <algorithm>
#include <iostream>

#include "core/dictionary/crossing_trial.h"
#include "outcome_json.h"
#include "search_cli.h"
#include "verbs.h"

namespace quirvo::cli {

namespace {

constexpr char HELP[] = R"(Usage: quirvo-diz cross [--dir DIR] [--vowels] [--no-libera] [--off N,...] ACROSS DOWN

Runs the crossing-letter trial of QUIRVO for a cell whose across run reads
ACROSS and whose down run reads DOWN (letters, "?" for an empty cell, "#" for
the chosen cell, once in each), and prints one JSON object:
{"lines": [...], "panel2": "...", "panel3": "..."}, the lines in the order the
result list shows them.

  --dir DIR     the program folder with base.diz and the other dictionaries,
                loaded as QUIRVO loads them (default: the current folder)
  --vowels      try only A, E, I, O, U (Ctrl pressed before the click)
  --no-libera   "Lunghezza Libera" unchecked: only words of the full runs
  --off N,...   switch dictionaries 2 to 6 off

Exit status: 0 done, 1 the dictionaries could not be loaded, 2 bad arguments.
)";

bool readRun(const std::string& arg, std::string& run) {
    if (!readCells("cross", arg, "?#", run)) return false;
    if (std::count(run.begin(), run.end(), '#') != 1) {
        std::cerr << "quirvo-diz cross: '" << arg << "' must hold the chosen cell \"#\" once\n";
        return false;
    }
    return true;
}

int runCross(const std::vector<std::string>& args) {
    SearchCliOptions options;
    if (!parseSearchOptions("cross", args, {"--vowels"}, options)) return 2;
    if (options.positional.size() != 2) {
        std::cerr << "quirvo-diz cross: expected ACROSS and DOWN\n";
        return 2;
    }
    std::string across, down;
    if (!readRun(options.positional[0], across) || !readRun(options.positional[1], down)) return 2;
    LexiconState lexicon;
    if (const int failed = prepareLexicon("cross", options, lexicon)) return failed;
    Progress progress;
    printCrossing(std::cout, trialOnRuns(*lexicon.lexicon, lexicon.activeDictionaries, across, down,
                                         hasFlag(options, "--vowels"), lexicon.accorcia, progress));
    return std::cout ? 0 : 2;
}

const VerbRegistration registration({"cross", "list the letters that fit a crossing cell, as QUIRVO does", HELP,
                                     runCross});

}  // namespace

}  // namespace quirvo::cli
