#include <iostream>
#include <memory>

#include "cli_files.h"
#include "core/clues/suggestions.h"
#include "core/tools/hunspell_mythes_services.h"
#include "core/tools/mythes_thesaurus.h"
#include "fill_cli.h"
#include "json_output.h"
#include "verbs.h"

namespace quirvo::cli {

namespace {

constexpr char HELP[] = R"(Usage: quirvo-diz definizioni [--dir DIR] GRID.qrv

Suggests definitions for the words of a grid as the definitions panel of
QUIRVO does and prints one JSON object:
{"slots": [{"row": r, "col": c, "dir": "across"|"down", "word": "CA",
"suggestions": [{"kind": "half", "text": "Metà di casa", "source": "CASA"},
...]}, ...]}
for every slot whose cells are all lettered, across in reading order, then
down by column, as the insight verb lists them; rows and columns count
from 0. Each slot's suggestions come best first. "kind" is one of head,
tail, middle, ends, half, consonants, vowels, initials, alternate (letter
play, which alone has a "source": the word the letters come from, folded
like the grid, or the name as it is written), sigla, name, lemma and
thesaurus. The setter's archive of definitions belongs to the window and
is not read here.

Letter play, sigle, names and lemmas need the word facts (parole.fatti)
beside the dictionaries; the thesaurus is Debian's mythes-it, the written
forms of words Debian's witalian.

  --dir DIR   the program folder with base.diz and the other dictionaries
              (default: the current folder)

Exit status: 0 done, 1 the grid or the dictionaries could not be read,
2 bad arguments.
)";

bool parseArguments(const std::vector<std::string>& args, FillCliOptions& options) {
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--dir" && i + 1 < args.size()) {
            options.dir = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            std::cerr << "quirvo-diz definizioni: unknown option or missing value '" << args[i] << "'\n";
            return false;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 1) {
        std::cerr << "quirvo-diz definizioni: expected one grid file\n";
        return false;
    }
    options.grid = positional[0];
    return true;
}

void printSlot(const SlotSuggestions& s) {
    std::cout << "{\"row\": " << s.slot.row << ", \"col\": " << s.slot.col << ", \"dir\": \""
              << (s.slot.direction == Direction::Across ? "across" : "down") << "\", \"word\": " << jsonString(s.word)
              << ", \"suggestions\": [";
    for (size_t i = 0; i < s.suggestions.size(); ++i) {
        const Suggestion& g = s.suggestions[i];
        std::cout << (i ? ", " : "") << "{\"kind\": " << jsonString(suggestionKindKey(g.kind))
                  << ", \"text\": " << jsonString(g.text);
        if (isLetterPlay(g.kind)) std::cout << ", \"source\": " << jsonString(g.source);
        std::cout << "}";
    }
    std::cout << "]}";
}

int runDefinizioni(const std::vector<std::string>& args) {
    FillCliOptions options;
    if (!parseArguments(args, options)) return 2;
    Grid grid;
    LexiconState lexicon;
    if (const int failed = loadGridAndDictionaries("definizioni", options, grid, lexicon)) return failed;
    const WordFacts* facts = lexicon.lexicon->facts();
    if (!facts)
        std::cerr << "quirvo-diz definizioni: no word facts (" << FACTS_FILE_NAME
                  << "): letter play, sigle, names and lemmas are left out\n";
    std::string wordList;
    const WrittenForms written(readFile(ITALIAN_WORD_LIST, wordList) ? wordList : std::string());
    const LetterPlayIndex letterPlay = facts ? LetterPlayIndex(*facts, written) : LetterPlayIndex();
    std::string problem;
    const LanguageDataPaths paths;
    const auto thesaurus = MythesThesaurus::open(paths.indexFile(), paths.dataFile(), &problem);
    if (!thesaurus) std::cerr << "quirvo-diz definizioni: no thesaurus: " << problem << "\n";

    const ClueSources sources{facts, &letterPlay, &written, thesaurus.get(), nullptr};
    const std::vector<SlotSuggestions> slots = suggestGrid(sources, grid);
    std::cout << "{\"slots\": [";
    for (size_t i = 0; i < slots.size(); ++i) {
        std::cout << (i ? ", " : "");
        printSlot(slots[i]);
    }
    std::cout << "]}\n";
    return std::cout ? 0 : 2;
}

const VerbRegistration registration({"definizioni", "suggest definitions for the words of a grid", HELP,
                                     runDefinizioni});

}  // namespace

}  // namespace quirvo::cli
