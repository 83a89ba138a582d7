#include "core/tools/anagram_index.h"

#include "core/dictionary/dictionary_scan.h"
#include "core/dictionary/vowel_sets.h"

namespace quirvo {

namespace {

uint32_t offeredLetters(std::string_view line) {
    uint32_t letters = 0;
    if (const VowelSet* set = line.empty() ? nullptr : findVowelSet(line.back())) {
        line.remove_suffix(1);
        for (char v : set->vowels) letters |= letterBit(v);
    }
    for (char c : line) letters |= letterBit(c);
    return letters;
}

}  // namespace

AnagramIndex::AnagramIndex(const Dictionary& base) : text_(base.dictText) {
    struct Found {
        uint32_t offset, length, letters;
    };
    std::vector<Found> found;
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
