#include "core/dictionary/lexicon.h"

namespace quirvo {

Lexicon::Lexicon(DictionarySet loaded)
    : dictionaries_(std::move(loaded)), indexes_(buildSearchIndexes(dictionaries_)) {}

const WordTable& Lexicon::words() const {
    std::call_once(wordsBuilt_, [this] { words_ = std::make_unique<const WordTable>(dictionaries_); });
    return *words_;
}

}  // namespace quirvo
