#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/dictionary/word_table.h"

namespace quirvo {

inline constexpr uint32_t ALL_LETTERS = (1u << WordTable::LETTERS) - 1;

// The words still open for one slot while a grid is checked or filled:
// a bitset over the words of the slot's length while there are many, a
// list holding each word's letters beside it once few are left. Beside
// either it keeps the letters the words put at each position, checked
// again after every change, so a crossing slot learns what it may keep
// without a scan. Every change can be taken back through a Saved state.
class Domain {
public:
    using Histogram = std::array<uint32_t, WordTable::LETTERS>;

    Domain() = default;
    Domain(const WordTable& table, int length, std::vector<uint64_t> bits);
    // Every word of a length in the active slots, its counts taken from the table.
    static Domain allWords(const WordTable& table, int length, DictMask active);

    const WordTable& table() const { return *table_; }
    int length() const { return length_; }
    uint32_t size() const { return size_; }
    // The letters the words put at a position, bit x for 'A' + x.
    uint32_t letters(int position) const { return masks_[size_t(position)]; }
    // How many words put each letter at a position; for a large bitset an
    // estimate from an even sample of its blocks.
    Histogram histogram(int position) const;
    // Keeps the words whose letter at every position is among allowed[p];
    // answers the positions whose letters changed, bit p for position p.
    uint64_t restrict(const uint32_t* allowed);
    // Drops one word; the positions whose letters changed.
    uint64_t remove(uint32_t word);
    bool contains(uint32_t word) const;
    // Some word of the domain (the only one when size() is 1).
    uint32_t first() const;
    template <typename F>
    void forEach(F&& f) const;

    // What restore needs to undo every change made after save.
    struct Saved {
        bool dense = false;
        uint32_t size = 0;
        std::shared_ptr<std::vector<uint64_t>> bits;
        std::array<uint32_t, WordTable::MAX_LENGTH> masks{};
    };
    Saved save() const;
    void restore(Saved&& saved);

private:
    bool holdsAny(int position, int letter) const;
    uint64_t recheckBits(uint64_t positions);
    bool listWanted() const;
    uint64_t becomeList(const std::vector<uint64_t>& words);
    void dropFromList(uint32_t i);
    uint64_t rescanList();
    uint64_t restrictList(const uint32_t* allowed, uint64_t check);
    uint64_t restrictBits(const uint32_t* allowed, uint64_t check);
    const char* listWord(uint32_t i) const { return listLetters_.data() + size_t(i) * size_t(length_); }

    const WordTable* table_ = nullptr;
    int length_ = 0;
    bool dense_ = true;
    uint32_t size_ = 0;
    // While dense; shared with copies and saved states until one changes it.
    using Bits = std::vector<uint64_t>;
    std::shared_ptr<Bits> bits_;
    const Bits& bits() const { return *bits_; }
    Bits& ownBits();
    // Once a list: the words are list_[0, size_), the letters of word i at
    // listLetters_[i * length_]; dropped words move past size_.
    std::vector<uint32_t> list_;
    std::vector<char> listLetters_;
    std::array<uint32_t, WordTable::MAX_LENGTH> masks_{};
};

template <typename F>
void Domain::forEach(F&& f) const {
    if (!dense_) {
        for (uint32_t i = 0; i < size_; ++i) f(list_[i]);
        return;
    }
    const Bits& bits = this->bits();
    for (size_t b = 0; b < bits.size(); ++b)
        for (uint64_t rest = bits[b]; rest; rest &= rest - 1) f(uint32_t(b * 64 + size_t(__builtin_ctzll(rest))));
}

}  // namespace quirvo
