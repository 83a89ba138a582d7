#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quirvo {

// An English word and the first Italian word the dictionary gives for it:
// "time", "tempo".
struct EnglishWord {
    std::string word, meaning;
};

// The words of a FreeDict English-Italian dictionary in dictd form: the
// index (a line per entry: headword, then the entry's offset and length in
// base64, tab-separated) and the text of the .dict file, inflated. Each
// entry is the headword with its pronunciation, then its translations, one
// a line, numbered when there are several ("1. aprire"). Names, phrases and
// the dictionary's own entries ("00-database-...") are left out. Nothing
// when a line of the index is damaged or points outside the text.
std::optional<std::vector<EnglishWord>> readEnglishItalian(std::string_view index, std::string_view text);

}  // namespace quirvo
