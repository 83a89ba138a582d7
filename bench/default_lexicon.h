#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/lexicon.h"
#include "core/fill/word_rules.h"

namespace quirvo::bench {

// The default dictionaries of a program folder, loaded with their word
// facts, as the lexicon the benches read, and the editor's rules over them
// (null without parole.fatti).
struct DefaultLexicon {
    DefaultLexicon(DictionarySet loaded, std::shared_ptr<const FactsFile> facts, int minFamiliarity)
        : lexicon(std::move(loaded), std::move(facts)), table(lexicon.words()), active(activeMask(lexicon.dictionaries())) {
        if (lexicon.facts())
            rules = std::make_shared<const WordRules>(*lexicon.facts(), EditorRules{true, minFamiliarity, {}});
    }
    const Lexicon lexicon;
    const WordTable& table;
    const DictMask active;
    std::shared_ptr<const WordRules> rules;
};

// Loads the folder, or ends the program with a message naming the bench;
// a missing facts file is told and leaves the rules off.
inline const DefaultLexicon* loadDefaultLexicon(const char* bench, const std::string& folder, int minFamiliarity) {
    DictionarySet dicts;
    Progress progress;
    const LoadReport report = loadDictionaries(folder, dicts, progress);
    if (report.fatal) {
        std::fprintf(stderr, "%s: %s: %s\n", bench, folder.c_str(), report.fatalMessage.c_str());
        std::exit(1);
    }
    FactsLoad facts = loadFacts(folder);
    if (!facts.file) std::fprintf(stderr, "%s: %s\n", bench, facts.warning.c_str());
    return new DefaultLexicon(std::move(dicts), std::move(facts.file), minFamiliarity);
}

}  // namespace quirvo::bench
