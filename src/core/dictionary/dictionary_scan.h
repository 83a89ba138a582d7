#pragma once

#include <string>
#include <vector>

#include "core/dictionary/dictionary.h"

namespace quirvo {

// An entry that sorts before the entry above it.
struct OrderWarning {
    std::string entry;
    int lineNumber = 0;  // 1-based
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
