#pragma once

#include <string_view>

namespace quirvo {

// The vowels a final vowel-set symbol of a base-dictionary entry stands for,
// in the order the anagram scan tries them; empty for any other character.
constexpr std::string_view anagramVowelSet(char symbol) {
    switch (symbol) {
        case '!': return "AE";
        case '#': return "AI";
        case '$': return "EI";
        case '%': return "AEI";
        case '&': return "AO";
        case '(': return "EO";
        case ')': return "AEO";
        case '+': return "AIO";
        case '-': return "EIO";
        case '=': return "IO";
        case '@': return "AEIO";
        default: return {};
    }
}

}  // namespace quirvo
