#include <iostream>

#include "core/editing/ricerca.h"
#include "core/editing/slot_commands.h"
#include "core/editing/slot_take.h"
#include "outcome_json.h"
#include "search_cli.h"
#include "verbs.h"

namespace quirvo::cli {

namespace {

constexpr char HELP[] = R"(Usage: quirvo-diz search [--dir DIR] [--estesa] [--no-libera] [--off N,...] [--head | --tail] SLOT

Searches the words for a row slot whose cells read SLOT (letters, "?" for an
empty cell), exactly as a click on the slot starts the search in QUIRVO, and
prints one JSON object: {"lines": [...], "panel2": "...", "panel3": "..."},
the lines in the order the result list shows them.

  --dir DIR     the program folder with base.diz and the other dictionaries,
                loaded as QUIRVO loads them (default: the current folder)
  --estesa      "Ricerca Estesa" checked: no cap of 50 results
  --no-libera   "Lunghezza Libera" unchecked: no automatic free tail
  --off N,...   switch dictionaries 2 to 6 off
  --head        report what "Libera INIZIO" does on the slot just taken
  --tail        report what "Libera CODA" does on the slot just taken

Exit status: 0 done, 1 the dictionaries could not be loaded, 2 bad arguments.
)";

int runSearch(const std::vector<std::string>& args) {
    SearchCliOptions options;
    if (!parseSearchOptions("search", args, {"--head", "--tail"}, options)) return 2;
    const bool head = hasFlag(options, "--head"), tail = hasFlag(options, "--tail");
    if (options.positional.size() != 1 || (head && tail)) {
        std::cerr << "quirvo-diz search: expected one SLOT and at most one of --head, --tail\n";
        return 2;
    }
    std::string cells;
    if (!readCells("search", options.positional[0], "?", cells)) return 2;
    LexiconState lexicon;
    if (const int failed = prepareLexicon("search", options, lexicon)) return failed;
    SlotState slot = rowSlotOf(cells);
    Outline outline{0, 0, static_cast<int16_t>(cells.size()), 1};
    const SlotWork work(slot, outline, 1);
    Progress progress;
    const SlotCommand freeEnd = head ? SlotCommand::FreeHead : SlotCommand::FreeTail;
    printSearch(std::cout, head || tail ? pressSlotCommand(freeEnd, work, false, lexicon, progress)
                                        : ricerca(work, lexicon, progress));
    return std::cout ? 0 : 2;
}

const VerbRegistration registration({"search", "list the words for a slot as a click in QUIRVO does", HELP, runSearch});

}  // namespace

}  // namespace quirvo::cli
