#pragma once

#include <string>
#include <vector>

#include "core/dictionary/dictionary.h"
#include "core/dictionary/dictionary_scan.h"

namespace quirvo::testing {

// A plain list with CR LF after every line.
inline std::string plainList(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// A dictionary set whose slots 1, 2, ... hold the given plain lists, all active.
inline DictionarySet dictionarySet(const std::vector<std::vector<std::string>>& lists) {
    DictionarySet set;
    for (size_t i = 0; i < lists.size(); ++i)
        set[static_cast<int>(i) + 1] =
            makeDictionary(i == 0 ? "base.diz" : "d" + std::to_string(i + 1) + ".dic", plainList(lists[i]));
    return set;
}

}  // namespace quirvo::testing
