#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/dictionary/dictionary.h"

namespace quirvo {

class WordTableBuilder;

// The slots of a set that are present and switched on by loading, as a mask.
DictMask activeMask(const DictionarySet& dicts);

// The distinct words of dictionary slots 1..6, grouped by length, for the
// whole-grid check and the fill. A word is a run of A-Z: a vowel-set symbol
// ending a base.diz entry stands for one word per vowel of its set, remarks
// and forms holding anything else are left out. Each word remembers every
// slot it comes from, so switching dictionaries off needs no rebuild.
// Within a length the words keep the order they were first met in (slot 1
// first, each file in its order). For every length, position and letter a
// bitset over the words of that length tells which have the letter there.
// Immutable once built, so any number of threads may read it at once.
class WordTable {
public:
    static constexpr int MAX_LENGTH = 35;  // no slot is longer than the widest grid
    static constexpr int LETTERS = 26;

    WordTable() = default;
    explicit WordTable(const DictionarySet& dicts);

    uint32_t count(int length) const { return valid(length) ? byLength_[length].count : 0; }
    // uint64_t blocks in each bitset of a length.
    size_t blocks(int length) const { return valid(length) ? byLength_[length].blocks : 0; }
    std::string_view word(int length, uint32_t index) const {
        return {byLength_[length].letters.data() + size_t(index) * size_t(length), size_t(length)};
    }
    // Letter 0..25 of a word at a position.
    int letter(int length, uint32_t index, int position) const {
        return byLength_[length].letters[size_t(index) * size_t(length) + size_t(position)] - 'A';
    }
    DictMask dictionaries(int length, uint32_t index) const { return byLength_[length].sources[index]; }
    static constexpr uint32_t NOT_FOUND = UINT32_MAX;
    // The index of a word among those of its length, or NOT_FOUND.
    uint32_t find(std::string_view word) const;
    // The earliest slot among `active` that holds the word, 0 when none does.
    int firstDictionary(int length, uint32_t index, DictMask active) const;
    // The words of a length with a letter (0..25) at a position.
    const uint64_t* letterBits(int length, int position, int letter) const {
        const Bucket& b = byLength_[length];
        return b.bits.data() + (size_t(position) * LETTERS + size_t(letter)) * b.blocks;
    }
    // The words of a length found in at least one slot of a mask.
    std::vector<uint64_t> wordsOf(int length, DictMask mask) const;
    // For those words, how many put each letter at each position:
    // entry p * 26 + x for letter 'A' + x at position p.
    std::vector<uint32_t> letterCounts(int length, DictMask mask) const;

private:
    friend class WordTableBuilder;
    struct Bucket {
        uint32_t count = 0;
        size_t blocks = 0;
        std::vector<char> letters;     // count * length letters, word after word
        std::vector<DictMask> sources;  // per word, the slots that list it
        std::vector<uint64_t> bits;    // length * 26 bitsets of `blocks` words
        // Per dictionary slot 1..6 (index slot - 1), the words it lists.
        std::array<std::vector<uint64_t>, SEARCHABLE_SLOTS> bySource;
        // Per distinct set of sources, the letter counts of its words.
        std::vector<std::pair<DictMask, std::vector<uint32_t>>> countsBySources;
        // Open addressing: the high half of a word's hash over its index; FREE_SLOT when free.
        std::vector<uint64_t> hashSlots;
    };
    static constexpr uint64_t FREE_SLOT = UINT64_MAX;
    static bool valid(int length) { return length >= 2 && length <= MAX_LENGTH; }

    std::array<Bucket, MAX_LENGTH + 1> byLength_;
};

}  // namespace quirvo
