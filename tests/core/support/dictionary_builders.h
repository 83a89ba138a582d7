#pragma once

#include <string>
#include <vector>

#include "core/dictionary/dictionary.h"
#include "core/dictionary/dictionary_scan.h"
#include "core/dictionary/lexicon_state.h"

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

// Puts a dictionary into a slot as if it had been loaded there: a new
// lexicon is made of the old lists with this one in its place; the slot is
// switched on as the dictionary says, the others stay as they were.
inline void installDictionary(LexiconState& s, int slot, Dictionary dict) {
    const DictMask before = s.activeDictionaries;
    DictionarySet set = s.lexicon->dictionaries();
    set[slot] = std::move(dict);
    s.installLexicon(std::move(set));
    s.activeDictionaries = DictMask((before & ~slotBit(slot)) | (s.activeDictionaries & slotBit(slot)));
}

}  // namespace quirvo::testing
