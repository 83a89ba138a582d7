#include "core/fill/domain.h"

#include <algorithm>
#include <bit>
#include <cstddef>

namespace quirvo {

namespace {

// Below this many words per bitset block a list is cheaper to scan.
constexpr size_t LIST_BELOW = 8;

}  // namespace

Domain::Domain(const WordTable& table, int length, std::vector<uint64_t> bits)
    : table_(&table), length_(length), bits_(std::make_shared<Bits>(std::move(bits))) {
    for (const uint64_t b : *bits_) size_ += uint32_t(std::popcount(b));
    masks_.fill(ALL_LETTERS);
    if (!listWanted()) {
        recheckBits((uint64_t(1) << length_) - 1);
        return;
    }
    becomeList(this->bits());
}

Domain Domain::allWords(const WordTable& table, int length, DictMask active) {
    Domain d;
    d.table_ = &table;
    d.length_ = length;
    d.bits_ = std::make_shared<Bits>(table.wordsOf(length, active));
    for (const uint64_t b : *d.bits_) d.size_ += uint32_t(std::popcount(b));
    if (d.listWanted()) {
        d.masks_.fill(ALL_LETTERS);
        d.becomeList(d.bits());
        return d;
    }
    const std::vector<uint32_t> counts = table.letterCounts(length, active);
    for (int p = 0; p < length; ++p)
        for (int x = 0; x < WordTable::LETTERS; ++x)
            if (counts[size_t(p) * WordTable::LETTERS + size_t(x)]) d.masks_[size_t(p)] |= 1u << x;
    return d;
}

Domain::Histogram Domain::histogram(int position) const {
    constexpr size_t SAMPLED_BLOCKS = 64;
    Histogram h{};
    if (!dense_) {
        for (uint32_t i = 0; i < size_; ++i) ++h[size_t(listWord(i)[position] - 'A')];
        return h;
    }
    const size_t step = std::max<size_t>(1, bits().size() / SAMPLED_BLOCKS);
    for (uint32_t letters = masks_[size_t(position)]; letters; letters &= letters - 1) {
        const int x = std::countr_zero(letters);
        const uint64_t* words = table_->letterBits(length_, position, x);
        for (size_t b = 0; b < bits().size(); b += step) h[size_t(x)] += uint32_t(std::popcount(bits()[b] & words[b]));
    }
    return h;
}

bool Domain::holdsAny(int position, int letter) const {
    const uint64_t* words = table_->letterBits(length_, position, letter);
    const uint64_t* mine = bits().data();
    for (size_t b = 0, n = bits().size(); b < n; ++b)
        if (mine[b] & words[b]) return true;
    return false;
}

// Drops from the letter sets of the given positions the letters no word
// puts there any more; the positions that lost one.
uint64_t Domain::recheckBits(uint64_t positions) {
    uint64_t changed = 0;
    for (; positions; positions &= positions - 1) {
        const int p = std::countr_zero(positions);
        for (uint32_t letters = masks_[size_t(p)]; letters; letters &= letters - 1)
            if (!holdsAny(p, std::countr_zero(letters))) {
                masks_[size_t(p)] &= ~(1u << std::countr_zero(letters));
                changed |= uint64_t(1) << p;
            }
    }
    return changed;
}

bool Domain::listWanted() const {
    return dense_ && size_ < std::max<size_t>(64, (bits_ ? bits_->size() : 0) * LIST_BELOW);
}

// Lists the words with their letters and finds the letter sets on the
// way; the positions that lost a letter.
uint64_t Domain::becomeList(const Bits& words) {
    list_.clear();
    list_.reserve(size_);
    listLetters_.resize(size_t(size_) * size_t(length_));
    std::array<uint32_t, WordTable::MAX_LENGTH> now{};
    char* out = listLetters_.data();
    for (size_t b = 0; b < words.size(); ++b)
        for (uint64_t rest = words[b]; rest; rest &= rest - 1) {
            const uint32_t w = uint32_t(b * 64 + size_t(std::countr_zero(rest)));
            const char* letters = table_->word(length_, w).data();
            for (int p = 0; p < length_; ++p) {
                out[p] = letters[p];
                now[size_t(p)] |= 1u << (letters[p] - 'A');
            }
            out += length_;
            list_.push_back(w);
        }
    dense_ = false;
    bits_.reset();
    uint64_t changed = 0;
    for (int p = 0; p < length_; ++p)
        if (now[size_t(p)] != masks_[size_t(p)]) changed |= uint64_t(1) << p;
    masks_ = now;
    return changed;
}

Domain::Bits& Domain::ownBits() {
    if (bits_.use_count() > 1) bits_ = std::make_shared<Bits>(*bits_);
    return *bits_;
}

uint64_t Domain::restrict(const uint32_t* allowed) {
    uint64_t check = 0;
    for (int p = 0; p < length_; ++p)
        if (masks_[size_t(p)] & ~allowed[p]) check |= uint64_t(1) << p;
    if (!check) return 0;
    return dense_ ? restrictBits(allowed, check) : restrictList(allowed, check);
}

void Domain::dropFromList(uint32_t i) {
    --size_;
    std::swap(list_[i], list_[size_]);
    char* a = listLetters_.data() + size_t(i) * size_t(length_);
    char* b = listLetters_.data() + size_t(size_) * size_t(length_);
    std::swap_ranges(a, a + length_, b);
}

// The letters of the words left, found afresh; the positions that lost
// one. The scan ends once every letter known before is seen again.
uint64_t Domain::rescanList() {
    std::array<uint32_t, WordTable::MAX_LENGTH> now{};
    int open = 0;
    for (int p = 0; p < length_; ++p) open += masks_[size_t(p)] != 0;
    for (uint32_t i = 0; i < size_ && open > 0; ++i) {
        const char* w = listWord(i);
        for (int p = 0; p < length_; ++p) {
            uint32_t& seen = now[size_t(p)];
            if (seen == masks_[size_t(p)]) continue;
            seen |= 1u << (w[p] - 'A');
            if (seen == masks_[size_t(p)]) --open;
        }
    }
    uint64_t changed = 0;
    for (int p = 0; p < length_; ++p)
        if (now[size_t(p)] != masks_[size_t(p)]) changed |= uint64_t(1) << p;
    masks_ = now;
    return changed;
}

uint64_t Domain::restrictList(const uint32_t* allowed, uint64_t check) {
    int positions[WordTable::MAX_LENGTH];
    int n = 0;
    for (uint64_t rest = check; rest; rest &= rest - 1) positions[n++] = std::countr_zero(rest);
    const uint32_t before = size_;
    for (uint32_t i = 0; i < size_;) {
        const char* w = listWord(i);
        bool keep = true;
        for (int k = 0; k < n && keep; ++k) keep = allowed[positions[k]] >> (w[positions[k]] - 'A') & 1;
        if (keep) ++i;
        else dropFromList(i);
    }
    return size_ == before ? 0 : rescanList();
}

uint64_t Domain::restrictBits(const uint32_t* allowed, uint64_t check) {
    const size_t blocks = bits().size();
    std::vector<uint64_t> gone(blocks, 0), kept(blocks);
    for (uint64_t rest = check; rest; rest &= rest - 1) {
        const int p = std::countr_zero(rest);
        const uint32_t removed = masks_[size_t(p)] & ~allowed[p], keep = masks_[size_t(p)] & allowed[p];
        if (std::popcount(removed) <= std::popcount(keep)) {
            for (uint32_t r = removed; r; r &= r - 1) {
                const uint64_t* letter = table_->letterBits(length_, p, std::countr_zero(r));
                for (size_t b = 0; b < blocks; ++b) gone[b] |= letter[b];
            }
            continue;
        }
        std::fill(kept.begin(), kept.end(), 0);
        for (uint32_t k = keep; k; k &= k - 1) {
            const uint64_t* letter = table_->letterBits(length_, p, std::countr_zero(k));
            for (size_t b = 0; b < blocks; ++b) kept[b] |= letter[b];
        }
        for (size_t b = 0; b < blocks; ++b) gone[b] |= ~kept[b];
    }
    uint32_t removedCount = 0;
    for (size_t b = 0; b < blocks; ++b) {
        gone[b] &= bits()[b];
        removedCount += uint32_t(std::popcount(gone[b]));
    }
    if (removedCount == 0) return 0;
    size_ -= removedCount;
    if (listWanted()) {
        // The bitset may be shared: the words left go straight into the list.
        for (size_t b = 0; b < blocks; ++b) kept[b] = bits()[b] & ~gone[b];
        return becomeList(kept);
    }
    Bits& own = ownBits();
    for (size_t b = 0; b < blocks; ++b) own[b] &= ~gone[b];
    return recheckBits((uint64_t(1) << length_) - 1);
}

bool Domain::contains(uint32_t word) const {
    if (dense_) return word / 64 < bits().size() && (bits()[word / 64] >> (word % 64) & 1);
    return std::find(list_.begin(), list_.begin() + size_, word) != list_.begin() + size_;
}

uint64_t Domain::remove(uint32_t word) {
    if (dense_) {
        if (!contains(word)) return 0;
        ownBits()[word / 64] &= ~(uint64_t(1) << (word % 64));
        --size_;
        uint64_t changed = 0;
        for (int p = 0; p < length_; ++p) {
            const int x = table_->letter(length_, word, p);
            if (holdsAny(p, x)) continue;
            masks_[size_t(p)] &= ~(1u << x);
            changed |= uint64_t(1) << p;
        }
        return listWanted() ? changed | becomeList(bits()) : changed;
    }
    const auto at = std::find(list_.begin(), list_.begin() + size_, word);
    if (at == list_.begin() + size_) return 0;
    dropFromList(uint32_t(at - list_.begin()));
    return rescanList();
}

uint32_t Domain::first() const {
    if (!dense_) return list_[0];
    for (size_t b = 0; b < bits().size(); ++b)
        if (bits()[b]) return uint32_t(b * 64 + size_t(std::countr_zero(bits()[b])));
    return 0;
}

Domain::Saved Domain::save() const {
    Saved saved;
    saved.dense = dense_;
    saved.size = size_;
    saved.masks = masks_;
    if (dense_) saved.bits = bits_;
    return saved;
}

// A list only ever moves the words it drops past its end, so putting the
// size back brings them back.
void Domain::restore(Saved&& saved) {
    size_ = saved.size;
    masks_ = saved.masks;
    if (!saved.dense) return;
    dense_ = true;
    bits_ = std::move(saved.bits);
}

}  // namespace quirvo
