#pragma once

#include <array>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace quirvo::testing {

// Sorted words of two to six letters over seven letters, dense enough that
// small schemas fill at once; no word holds a Q.
inline std::vector<std::string> smallWords() {
    std::mt19937 rng(11);
    std::set<std::string> words;
    const std::array<size_t, 7> wanted{0, 0, 25, 110, 400, 900, 1200};
    for (size_t length = 2; length < wanted.size(); ++length)
        for (size_t made = 0; made < wanted[length]; ++made) {
            std::string w(length, 'A');
            for (char& c : w) c = "AEIORST"[rng() % 7];
            words.insert(w);
        }
    return {words.begin(), words.end()};
}

}  // namespace quirvo::testing
