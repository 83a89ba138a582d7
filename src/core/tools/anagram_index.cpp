#include "core/tools/anagram_index.h"

#include <algorithm>
#include <array>

#include "core/dictionary/dictionary_scan.h"
#include "core/dictionary/vowel_sets.h"

namespace quirvo {

namespace {

// letterBit of every byte, and for a vowel-set symbol the bits of its
// vowels (0 for any other byte), looked up once per character.
struct LetterTables {
    std::array<uint32_t, 256> letter{};
    std::array<uint32_t, 256> finalVowels{};
    constexpr LetterTables() {
        for (int b = 0; b < 256; ++b) letter[b] = letterBit(static_cast<char>(b));
        for (const VowelSet& set : VOWEL_SETS)
            for (char v : set.vowels) finalVowels[static_cast<unsigned char>(set.symbol)] |= letterBit(v);
    }
};
constexpr LetterTables TABLES;

uint32_t offeredLetters(std::string_view line) {
    uint32_t letters = 0;
    if (!line.empty()) {
        if (const uint32_t vowels = TABLES.finalVowels[static_cast<unsigned char>(line.back())]) {
            letters = vowels;
            line.remove_suffix(1);
        }
    }
    for (char c : line) letters |= TABLES.letter[static_cast<unsigned char>(c)];
    return letters;
}

}  // namespace

AnagramIndex::AnagramIndex(const Dictionary& base) : text_(base.dictText) {
    struct Found {
        uint32_t offset, length, letters;
    };
    std::vector<Found> found;
    found.reserve(static_cast<size_t>(std::count(text_.begin(), text_.end(), '\n')) + 1);
    size_t longest = 0;
    forEachLine(base.dictText, [&](size_t pos, size_t len) {
        const std::string_view line = text_.substr(pos, len);
        if (!line.empty() && line.front() == '\'') return;
        found.push_back({static_cast<uint32_t>(pos), static_cast<uint32_t>(len), offeredLetters(line)});
        if (len > longest) longest = len;
    });
    // A counting sort by length keeps file order within each length.
    lengthStart_.assign(longest + 2, 0);
    for (const Found& f : found) ++lengthStart_[f.length + 1];
    for (size_t l = 1; l < lengthStart_.size(); ++l) lengthStart_[l] += lengthStart_[l - 1];
    std::vector<uint32_t> next(lengthStart_.begin(), lengthStart_.end() - 1);
    lines_.resize(found.size());
    for (const Found& f : found) lines_[next[f.length]++] = {f.offset, f.letters};
}

std::span<const AnagramIndex::Line> AnagramIndex::linesOfLength(size_t length) const {
    if (length + 1 >= lengthStart_.size()) return {};
    return std::span<const Line>(lines_).subspan(lengthStart_[length], lengthStart_[length + 1] - lengthStart_[length]);
}

}  // namespace quirvo
