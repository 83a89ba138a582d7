#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quirvo {

// The thesaurus's answer for one word: how many meanings it knows, the
// synonyms of the first meaning and the word's antonyms.
struct SynonymAnswer {
    int meaningCount = 0;
    std::vector<std::string> synonyms;
    std::vector<std::string> antonyms;
};

inline constexpr int SPELLING_UNKNOWN_WORD = 1;

// The speller's answer for one word: its error kind (SPELLING_UNKNOWN_WORD,
// or 0 for a correct word) and the proposed spellings, best first.
struct SpellingAnswer {
    int errorKind = 0;
    std::vector<std::string> suggestions;
};

// The synonym and spelling services the TEST tools ask for, in Italian.
// Words and answers are UTF-8; std::nullopt means the request failed.
class LanguageServices {
public:
    virtual ~LanguageServices() = default;
    virtual std::optional<SynonymAnswer> synonymInfo(std::string_view word) = 0;
    virtual std::optional<SpellingAnswer> spellingSuggestions(std::string_view word) = 0;
};

}  // namespace quirvo
