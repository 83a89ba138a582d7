#pragma once

#include <string_view>

namespace quirvo {

// The vowel-set symbols as the searches show them: the bracketed vowels a
// symbol stands for ("(AE)" for "!"), or "" for any other character.
inline std::string_view bracketedVowelSet(char symbol) {
    switch (symbol) {
        case '!': return "(AE)";
        case '#': return "(AI)";
        case '$': return "(EI)";
        case '%': return "(AEI)";
        case '&': return "(AO)";
        case '(': return "(EO)";
        case ')': return "(AEO)";
        case '+': return "(AIO)";
        case '-': return "(EIO)";
        case '=': return "(IO)";
        case '@': return "(AEIO)";
        default: return {};
    }
}

}  // namespace quirvo
