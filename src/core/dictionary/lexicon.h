#pragma once

#include <memory>
#include <mutex>

#include "core/dictionary/dictionary.h"
#include "core/dictionary/facts_file.h"
#include "core/dictionary/search_index.h"
#include "core/dictionary/word_facts.h"
#include "core/dictionary/word_table.h"

namespace quirvo {

// The dictionaries as loaded and every index over them. Nothing in it
// changes after construction (the word table is made once, on first use,
// under a once flag), so any number of threads may read one Lexicon at the
// same time; share it as a shared_ptr<const Lexicon>. Which dictionaries
// are switched on, and the search options, live outside it. It neither
// copies nor moves: the indexes point into its texts.
class Lexicon {
public:
    Lexicon() = default;
    explicit Lexicon(DictionarySet loaded, std::shared_ptr<const FactsFile> facts = nullptr);
    Lexicon(const Lexicon&) = delete;
    Lexicon& operator=(const Lexicon&) = delete;

    const DictionarySet& dictionaries() const { return dictionaries_; }
    const Dictionary& operator[](int slot) const { return dictionaries_[slot]; }
    const SearchIndexes& indexes() const { return indexes_; }
    // The distinct words of slots 1..6 for the fill and the grid check.
    const WordTable& words() const;
    // What the word table's words are, laid out beside it on first use
    // (the file is let go then); null when no facts file was read.
    const WordFacts* facts() const;
    bool hasFacts() const { return hasFacts_; }

private:
    DictionarySet dictionaries_;
    SearchIndexes indexes_;
    mutable std::once_flag wordsBuilt_;
    mutable std::unique_ptr<const WordTable> words_;
    bool hasFacts_ = false;
    mutable std::shared_ptr<const FactsFile> factsFile_;
    mutable std::once_flag factsBuilt_;
    mutable std::unique_ptr<const WordFacts> facts_;
};

using LexiconPtr = std::shared_ptr<const Lexicon>;

}  // namespace quirvo
