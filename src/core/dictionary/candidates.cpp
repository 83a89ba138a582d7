#include "core/dictionary/candidates.h"

#include <bit>

namespace quirvo {

std::vector<uint64_t> candidateBits(const WordTable& table, std::string_view pattern, DictMask active) {
    const int length = int(pattern.size());
    std::vector<uint64_t> bits = table.wordsOf(length, active);
    for (int p = 0; p < length && !bits.empty(); ++p) {
        const char c = pattern[size_t(p)];
        if (c == '?') continue;
        if (c < 'A' || c > 'Z') return std::vector<uint64_t>(bits.size(), 0);
        const uint64_t* letter = table.letterBits(length, p, c - 'A');
        for (size_t b = 0; b < bits.size(); ++b) bits[b] &= letter[b];
    }
    return bits;
}

Candidates candidates(const WordTable& table, std::string_view pattern, DictMask active) {
    Candidates out;
    out.length = int(pattern.size());
    const std::vector<uint64_t> bits = candidateBits(table, pattern, active);
    out.letters.assign(pattern.size(), 0);
    for (size_t b = 0; b < bits.size(); ++b)
        for (uint64_t rest = bits[b]; rest; rest &= rest - 1)
            out.words.push_back(uint32_t(b * 64 + size_t(std::countr_zero(rest))));
    for (const uint32_t w : out.words)
        for (int p = 0; p < out.length; ++p) out.letters[size_t(p)] |= 1u << table.letter(out.length, w, p);
    return out;
}

}  // namespace quirvo
