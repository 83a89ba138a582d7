#pragma once

#include <random>
#include <set>
#include <string>

namespace quirvo::test {

// Random ten-letter words as a plain list: no grid of 10 x 10 has a fill
// among them, and no search proves that quickly, so a fill or a schema
// generation over them runs until it is stopped.
inline std::string randomTenLetterWords() {
    std::mt19937 rng(7);
    std::set<std::string> words;
    while (words.size() < 2000) {
        std::string word;
        for (int i = 0; i < 10; ++i) word += char('A' + rng() % 26);
        words.insert(word);
    }
    std::string text;
    for (const std::string& word : words) text += word + "\r\n";
    return text;
}

}  // namespace quirvo::test
