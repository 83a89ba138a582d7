#include <cstdio>
#include <iostream>

#include "cli_files.h"
#include "core/dictionary/word_table.h"
#include "core/files/grid_file.h"
#include "core/fill/fill.h"
#include "core/fill/fill_cost.h"
#include "fill_cli.h"
#include "json_output.h"
#include "verbs.h"

namespace quirvo::cli {

namespace {

constexpr char HELP[] = R"(Usage: quirvo-diz fill [--dir DIR] [--off N,...] [--seconds S] [--seed N]
                       [--improve] [--rules rivista|nessuna] [--min-familiarity N]
                       [--out FILLED.qrv] GRID.qrv

Fills every empty cell of a grid with words of the active dictionaries, no
word twice, keeping the letters already there, and prints one JSON object:
{"result": "filled"|"no fill"|"stopped", "rows": [...], "seconds": x,
"cost": c, "words_by_dictionary": {...}}
and, when the word facts (parole.fatti) are there, "entries_by_kind": {...},
"mean_familiarity": f and "refused": [...], the entries the editor's rules
would refuse (a second form of one lemma among them).
"rows" shows "#" for a block and "?" for an empty cell: the fill, or the grid
as given when there is none. "no fill" means the search proved that none
exists; "stopped" that the time ran out first. The cost adds up the cost of
every word (base.diz cheapest, then each further dictionary in turn; short
words other than common ones cost extra; with the rules, less familiar
words and weaker kinds cost more).

  --dir DIR       the program folder with base.diz and the other
                  dictionaries, loaded as QUIRVO loads them (default: the
                  current folder)
  --off N,...     switch dictionaries 2 to 6 off
  --seconds S     time limit (default 60)
  --seed N        the same seed fills the same grid the same way (default 1)
  --improve       keep searching until the time limit for a cheaper fill
  --rules R       rivista: only words a magazine would print, by the word
                  facts (no conjugated verbs, gerunds, verbs with pronouns,
                  truncations, unknown words, long roman numerals; two
                  letters only as a word, a sigla or letter play; one form
                  of a lemma per grid); nessuna (the default): every word of
                  the active dictionaries
  --min-familiarity N
                  with the rules, leave out words less familiar than N
                  (0-100; 30 common, 60 very common; default 0)
  --out FILE      write the filled grid to FILE as a grid file

Exit status: 0 done (whatever the result), 1 the grid or the dictionaries
could not be read or the filled grid not written, 2 bad arguments.
)";

const char* resultName(FillOutcome outcome) {
    switch (outcome) {
        case FillOutcome::Filled: return "filled";
        case FillOutcome::NoFill: return "no fill";
        case FillOutcome::Stopped: break;
    }
    return "stopped";
}

void printJudgement(const FillReport& report) {
    char familiarity[32];
    std::snprintf(familiarity, sizeof familiarity, "%.1f", report.meanFamiliarity);
    std::cout << ", \"entries_by_kind\": {";
    bool first = true;
    for (int kind = 0; kind < WORD_KINDS; ++kind) {
        if (report.entriesByKind[size_t(kind)] == 0) continue;
        std::cout << (first ? "" : ", ") << jsonString(kindKey(WordKind(kind))) << ": "
                  << report.entriesByKind[size_t(kind)];
        first = false;
    }
    std::cout << "}, \"mean_familiarity\": " << familiarity << ", \"refused\": [";
    for (size_t i = 0; i < report.refused.size(); ++i) std::cout << (i ? ", " : "") << jsonString(report.refused[i]);
    std::cout << "]";
}

void printResult(const FillResult& result, const Lexicon& lexicon) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f", result.seconds);
    std::cout << "{\"result\": \"" << resultName(result.outcome) << "\", \"rows\": [";
    for (int r = 0; r < result.grid.rowCount; ++r) std::cout << (r ? ", " : "") << jsonRow(result.grid, r);
    std::cout << "], \"seconds\": " << seconds << ", \"cost\": " << result.report.totalCost
              << ", \"words_by_dictionary\": {";
    bool first = true;
    for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot) {
        const int words = result.report.wordsByDictionary[size_t(slot)];
        if (words == 0) continue;
        std::cout << (first ? "" : ", ") << jsonString(lexicon[slot].dictFileName) << ": " << words;
        first = false;
    }
    std::cout << "}";
    if (result.report.judged) printJudgement(result.report);
    std::cout << "}\n";
}

int runFill(const std::vector<std::string>& args) {
    FillCliOptions options;
    if (!parseFillOptions("fill", args, true, options)) return 2;
    Grid grid;
    LexiconState lexicon;
    if (const int failed = loadGridAndDictionaries("fill", options, grid, lexicon)) return failed;
    FillOptions fillOptions;
    fillOptions.active = lexicon.activeDictionaries;
    fillOptions.seconds = options.seconds;
    fillOptions.seed = options.seed;
    fillOptions.improve = options.improve;
    const auto rules = cliRules(options, lexicon);
    if (options.rules) fillOptions.rules = rules;
    FillResult result = fill(lexicon.lexicon->words(), grid, fillOptions);
    if (result.outcome == FillOutcome::Filled && rules && !options.rules) judgeFill(*rules, result.grid, result.report);
    if (result.outcome == FillOutcome::Filled && !options.out.empty() &&
        !writeFile(options.out, writeGridFile(result.grid)))
        return 1;
    printResult(result, *lexicon.lexicon);
    return std::cout ? 0 : 2;
}

const VerbRegistration registration({"fill", "fill the empty cells of a grid with words, none twice", HELP, runFill});

}  // namespace

}  // namespace quirvo::cli
