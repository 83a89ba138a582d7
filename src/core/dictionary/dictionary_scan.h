#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/dictionary/dictionary.h"

namespace quirvo {

// An entry that sorts before the entry above it.
struct OrderWarning {
    std::string entry;
    int lineNumber = 0;  // 1-based
};

// Builds a letter index and finds the entries out of order one line at a
// time, so a decoder can index each line while it is still in the cache.
// indexDictionary feeds it every line of a text.
class LetterIndexer {
public:
    explicit LetterIndexer(std::array<int32_t, 27>& letterStart);

    // The line is text[pos, pos + len); its first `shared` bytes are known
    // to equal those of the line above (0 when nothing is known).
    void line(const char* text, size_t pos, size_t len, size_t shared = 0);
    std::vector<OrderWarning> takeWarnings() { return std::move(warnings_); }

private:
    std::array<int32_t, 27>& letterStart_;
    std::vector<OrderWarning> warnings_;
    int lineNumber_ = 0;
    char previousInitial_ = 0;
    size_t previousStart_ = 0, previousLength_ = 0;  // the previous entry, trimmed
    bool previousIsLineAbove_ = false;  // ... and it is the line above, untrimmed at its head
};

// Builds dictLetterStart over every line of dictText (the last one included)
// and returns the entries that break the sort order. Remark lines ("'" or
// "#") and lines whose initial is outside "@".."Z" neither start a letter
// nor interrupt one, so a remark inside a letter's block cannot hide the
// entries above it.
std::vector<OrderWarning> indexDictionary(Dictionary& dict);

// A ready dictionary from a plain list, for the command line and the tests.
Dictionary makeDictionary(std::string fileName, std::string plainText);

// Calls f(pos, len) for every line of a plain list: pos is 0-based, len
// excludes the CR LF. A final line without terminator is included; a text
// ending in CR LF has no empty line after it.
template <typename F>
void forEachLine(const std::string& text, F&& f) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t e = text.find(LINE_SEP, pos);
        if (e == std::string::npos) e = text.size();
        f(pos, e - pos);
        pos = e + 2;
    }
}

}  // namespace quirvo
