#include "core/dictionary/lexicon.h"

namespace quirvo {

Lexicon::Lexicon(DictionarySet loaded, std::shared_ptr<const FactsFile> facts)
    : dictionaries_(std::move(loaded)),
      indexes_(buildSearchIndexes(dictionaries_)),
      hasFacts_(facts != nullptr),
      factsFile_(std::move(facts)) {}

const WordTable& Lexicon::words() const {
    std::call_once(wordsBuilt_, [this] { words_ = std::make_unique<const WordTable>(dictionaries_); });
    return *words_;
}

const WordFacts* Lexicon::facts() const {
    if (!hasFacts_) return nullptr;
    const WordTable& table = words();
    std::call_once(factsBuilt_, [&] {
        facts_ = std::make_unique<const WordFacts>(table, *factsFile_, dictionaries_);
        factsFile_.reset();
    });
    return facts_.get();
}

}  // namespace quirvo
