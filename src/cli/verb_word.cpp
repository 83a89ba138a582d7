#include <iostream>

#include "core/dictionary/word_facts.h"
#include "core/facts/letters.h"
#include "json_output.h"
#include "search_cli.h"
#include "verbs.h"

namespace quirvo::cli {

namespace {

constexpr char HELP[] = R"(Usage: quirvo-diz word [--dir DIR] WORD...

Loads the dictionaries of DIR (default: the current folder) with their word
facts (parole.fatti) and prints what each WORD is, as one JSON object:
{"words": [{"word": "ARA", "kinds": ["noun", "finite_verb"], "best": "noun",
 "lemma": "ARA", "familiarity": 48, "sources": ["hunspell", ...],
 "notes": [{"group": "town", "text": "..."}], "dictionaries": ["base.diz"],
 "personal": false}, ...]}
kinds are best first; the word counts by the first. familiarity runs from 0
to 100; lemma is null for names, sigle and function words. A word no
source knows is of kind "unknown"; a word of a dictionary the facts were not
made for is "personal" (the editor's rules never refuse it). WORD is UTF-8,
compared as crosswords write it (upper case, accents dropped).

Exit status: 0 done, 1 the dictionaries or the word facts cannot be read
(a missing or damaged parole.fatti is told on stderr), 2 bad arguments.
)";

void printList(const std::vector<std::string_view>& items) {
    std::cout << "[";
    for (size_t i = 0; i < items.size(); ++i) std::cout << (i ? ", " : "") << jsonString(items[i]);
    std::cout << "]";
}

void printWord(const std::string& given, const Lexicon& lexicon, const WordFacts& facts) {
    const std::string word = letterWord(given).value_or(given);
    const WordTable& table = facts.table();
    const uint32_t index = word.size() <= size_t(WordTable::MAX_LENGTH) ? table.find(word) : WordTable::NOT_FOUND;
    const FactRecord record = facts.find(word);
    const int length = int(word.size());
    std::vector<std::string_view> kinds, sources, dictionaries;
    for (int k = 0; k < WORD_KINDS; ++k)
        if (hasKind(record.kinds, WordKind(k))) kinds.push_back(kindKey(WordKind(k)));
    if (kinds.empty()) kinds.push_back(kindKey(WordKind::Unknown));
    for (int s = 0; s < FACT_SOURCES; ++s)
        if (record.sources & sourceBit(FactSource(s))) sources.push_back(sourceKey(FactSource(s)));
    if (index != WordTable::NOT_FOUND)
        for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot)
            if (table.dictionaries(length, index) & slotBit(slot)) dictionaries.push_back(lexicon[slot].dictFileName);
    const std::string_view lemma = facts.lemma(record);
    std::cout << "{\"word\": " << jsonString(word) << ", \"kinds\": ";
    printList(kinds);
    std::cout << ", \"best\": " << jsonString(kindKey(bestKind(record.kinds)))
              << ", \"lemma\": " << (lemma.empty() ? std::string("null") : jsonString(lemma))
              << ", \"familiarity\": " << int(record.familiarity) << ", \"sources\": ";
    printList(sources);
    std::cout << ", \"notes\": [";
    const auto& notes = facts.notes(word);
    for (size_t i = 0; i < notes.size(); ++i)
        std::cout << (i ? ", " : "") << "{\"group\": " << jsonString(noteGroupKey(notes[i].group))
                  << ", \"text\": " << jsonString(notes[i].text) << "}";
    std::cout << "], \"dictionaries\": ";
    printList(dictionaries);
    std::cout << ", \"personal\": "
              << (index != WordTable::NOT_FOUND && facts.personal(length, index) ? "true" : "false") << "}";
}

int runWord(const std::vector<std::string>& args) {
    std::string dir = ".";
    std::vector<std::string> words;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--dir" && i + 1 < args.size()) dir = args[++i];
        else if (args[i].starts_with("--")) {
            std::cerr << "quirvo-diz word: bad option or missing value: " << args[i] << "\n";
            return 2;
        } else words.push_back(args[i]);
    }
    if (words.empty()) {
        std::cerr << "quirvo-diz word: expected [--dir DIR] WORD...\n";
        return 2;
    }
    LexiconState lexicon;
    FactsLoad load;
    if (const int failed = loadFolder("word", dir, {}, lexicon, &load)) return failed;
    const WordFacts* facts = lexicon.lexicon->facts();
    if (!facts) {
        std::cerr << "quirvo-diz word: " << load.warning << "\n";
        return 1;
    }
    std::cout << "{\"words\": [";
    for (size_t i = 0; i < words.size(); ++i) {
        if (i) std::cout << ", ";
        printWord(words[i], *lexicon.lexicon, *facts);
    }
    std::cout << "]}\n";
    return std::cout ? 0 : 2;
}

const VerbRegistration registration({"word", "what words are: kinds, lemma, familiarity, sources, notes", HELP, runWord});

}  // namespace

}  // namespace quirvo::cli
