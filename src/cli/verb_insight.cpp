#include <iostream>

#include "core/dictionary/word_table.h"
#include "core/fill/insight.h"
#include "fill_cli.h"
#include "verbs.h"

namespace quirvo::cli {

namespace {

constexpr char HELP[] = R"(Usage: quirvo-diz insight [--dir DIR] [--off N,...] [--rules rivista|nessuna]
                          [--min-familiarity N] GRID.qrv

Checks a grid against the active dictionaries as the live check of QUIRVO
does and prints one JSON object:
{"slots": [{"row": r, "col": c, "dir": "across"|"down", "length": n,
"candidates": k}, ...], "dead": [[r, c], ...], "forced": [[r, c, "L"], ...],
"consistent": true|false}
Rows and columns count from 0; slots come across in reading order, then down
by column; "candidates" are the words that fit each slot as it stands; a dead
cell has no letter that every slot through it can take; "consistent" tells
whether every slot keeps a word once the crossings are made to agree, and
"forced" lists the empty cells then left with one letter.

  --dir DIR     the program folder with base.diz and the other dictionaries,
                loaded as QUIRVO loads them (default: the current folder)
  --off N,...   switch dictionaries 2 to 6 off
  --rules R     rivista: count only the words a magazine would print, by the
                word facts of parole.fatti (no conjugated verbs, gerunds,
                verbs with pronouns, truncations, unknown words); nessuna
                (the default): every word of the active dictionaries
  --min-familiarity N
                with the rules, leave out words less familiar than N
                (0-100; 30 common, 60 very common; default 0)

Exit status: 0 done, 1 the grid or the dictionaries could not be read,
2 bad arguments.
)";

void printCells(std::ostream& out, const std::vector<CellLetter>& cells, bool withLetter) {
    for (size_t i = 0; i < cells.size(); ++i) {
        out << (i ? ", " : "") << "[" << cells[i].row << ", " << cells[i].col;
        if (withLetter) out << ", \"" << cells[i].letter << "\"";
        out << "]";
    }
}

int runInsight(const std::vector<std::string>& args) {
    FillCliOptions options;
    if (!parseFillOptions("insight", args, false, options)) return 2;
    Grid grid;
    LexiconState lexicon;
    if (const int failed = loadGridAndDictionaries("insight", options, grid, lexicon)) return failed;
    const auto rules = options.rules ? cliRules(options, lexicon) : nullptr;
    const InsightReport report = insight(lexicon.lexicon->words(), lexicon.activeDictionaries, grid, nullptr, rules);
    std::cout << "{\"slots\": [";
    for (size_t i = 0; i < report.slots.size(); ++i) {
        const SlotInsight& s = report.slots[i];
        std::cout << (i ? ", " : "") << "{\"row\": " << s.slot.row << ", \"col\": " << s.slot.col << ", \"dir\": \""
                  << (s.slot.direction == Direction::Across ? "across" : "down") << "\", \"length\": " << s.slot.length
                  << ", \"candidates\": " << s.candidates << "}";
    }
    std::cout << "], \"dead\": [";
    printCells(std::cout, report.dead, false);
    std::cout << "], \"forced\": [";
    printCells(std::cout, report.forced, true);
    std::cout << "], \"consistent\": " << (report.consistent ? "true" : "false") << "}\n";
    return std::cout ? 0 : 2;
}

const VerbRegistration registration({"insight", "check a grid: candidates per slot, dead cells, forced letters", HELP,
                                     runInsight});

}  // namespace

}  // namespace quirvo::cli
