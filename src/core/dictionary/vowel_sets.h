#pragma once

#include <array>
#include <string_view>

namespace quirvo {

// A vowel-set symbol stands, in one position of a dictionary entry, for any
// one vowel of its set: the entry CAS! stands for CASA and CASE. Every symbol
// has a code of 64 or less, so symbols sort below the letters.
struct VowelSet {
    char symbol;
    std::string_view vowels;     // in A, E, I, O order, as the anagram tool uses them
    std::string_view bracketed;  // as the result list and the viewer show it
};

inline constexpr std::array<VowelSet, 11> VOWEL_SETS{{
    {'!', "AE", "(AE)"},
    {'#', "AI", "(AI)"},
    {'$', "EI", "(EI)"},
    {'%', "AEI", "(AEI)"},
    {'&', "AO", "(AO)"},
    {'(', "EO", "(EO)"},
    {')', "AEO", "(AEO)"},
    {'+', "AIO", "(AIO)"},
    {'-', "EIO", "(EIO)"},
    {'=', "IO", "(IO)"},
    {'@', "AEIO", "(AEIO)"},
}};

// The set a symbol stands for, or nullptr when c is no vowel-set symbol.
constexpr const VowelSet* findVowelSet(char c) {
    for (const VowelSet& set : VOWEL_SETS)
        if (set.symbol == c) return &set;
    return nullptr;
}

constexpr bool isVowelSetSymbol(char c) { return findVowelSet(c) != nullptr; }

// The symbol for a set of two or more of A, E, I, O given in any order
// without repetition; 0 when there is none (one vowel, U, repeats).
constexpr char vowelSetSymbol(std::string_view vowels) {
    unsigned mask = 0;
    for (char v : vowels) {
        const auto at = std::string_view("AEIO").find(v);
        if (at == std::string_view::npos || (mask & (1u << at))) return 0;
        mask |= 1u << at;
    }
    for (const VowelSet& set : VOWEL_SETS) {
        unsigned setMask = 0;
        for (char v : set.vowels) setMask |= 1u << std::string_view("AEIO").find(v);
        if (setMask == mask) return set.symbol;
    }
    return 0;
}

// The bracketed form of a symbol, or "" when c is no vowel-set symbol.
constexpr std::string_view bracketedForm(char c) {
    const VowelSet* set = findVowelSet(c);
    return set ? set->bracketed : std::string_view();
}

// Whether the symbol c stands for the letter (false when c is no symbol).
constexpr bool vowelSetHolds(char c, char letter) {
    const VowelSet* set = findVowelSet(c);
    return set && set->vowels.find(letter) != std::string_view::npos;
}

}  // namespace quirvo
