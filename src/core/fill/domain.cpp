#include "core/fill/domain.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

namespace quirvo {

namespace {

// Below this many words per bitset block a list is cheaper to scan.
constexpr size_t LIST_BELOW = 16;

}  // namespace

Domain::Domain(const WordTable& table, int length, std::vector<uint64_t> bits)
    : table_(&table), length_(length), bits_(std::move(bits)) {
    for (const uint64_t b : bits_) size_ += uint32_t(std::popcount(b));
    if (listWanted()) {
        becomeList();
        rescanList();
    } else recount();
}

Domain::Histogram Domain::histogram(int position) const {
    Histogram h{};
    if (dense_) std::copy_n(counts_.begin() + std::ptrdiff_t(position) * WordTable::LETTERS, h.size(), h.begin());
    else
        for (uint32_t i = 0; i < size_; ++i) ++h[size_t(listWord(i)[position] - 'A')];
    return h;
}

// Forgets a word's letters; the positions left without one of them.
uint64_t Domain::drop(uint32_t word) {
    uint64_t changed = 0;
    for (int p = 0; p < length_; ++p) {
        const int x = table_->letter(length_, word, p);
        if (--counts_[size_t(p) * WordTable::LETTERS + size_t(x)] == 0) {
            masks_[size_t(p)] &= ~(1u << x);
            changed |= uint64_t(1) << p;
        }
    }
    return changed;
}

void Domain::recount() {
    counts_.assign(size_t(length_) * WordTable::LETTERS, 0);
    masks_.fill(0);
    forEach([&](uint32_t w) {
        for (int p = 0; p < length_; ++p) {
            const int x = table_->letter(length_, w, p);
            ++counts_[size_t(p) * WordTable::LETTERS + size_t(x)];
            masks_[size_t(p)] |= 1u << x;
        }
    });
}

bool Domain::listWanted() const { return dense_ && size_ < std::max<size_t>(64, bits_.size() * LIST_BELOW); }

void Domain::becomeList() {
    list_.clear();
    list_.reserve(size_);
    listLetters_.resize(size_t(size_) * size_t(length_));
    forEach([&](uint32_t w) {
        std::memcpy(listLetters_.data() + list_.size() * size_t(length_), table_->word(length_, w).data(), size_t(length_));
        list_.push_back(w);
    });
    dense_ = false;
    bits_ = {};
    counts_ = {};
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

// The letters of the words left, found afresh; the positions that changed.
uint64_t Domain::rescanList() {
    std::array<uint32_t, WordTable::MAX_LENGTH> now{};
    for (uint32_t i = 0; i < size_; ++i) {
        const char* w = listWord(i);
        for (int p = 0; p < length_; ++p) now[size_t(p)] |= 1u << (w[p] - 'A');
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
    const size_t blocks = bits_.size();
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
        gone[b] &= bits_[b];
        removedCount += uint32_t(std::popcount(gone[b]));
    }
    if (removedCount == 0) return 0;
    if (removedCount * 2 <= size_) {
        uint64_t changed = 0;
        for (size_t b = 0; b < blocks; ++b)
            for (uint64_t rest = gone[b]; rest; rest &= rest - 1)
                changed |= drop(uint32_t(b * 64 + size_t(std::countr_zero(rest))));
        for (size_t b = 0; b < blocks; ++b) bits_[b] &= ~gone[b];
        size_ -= removedCount;
        if (listWanted()) becomeList();
        return changed;
    }
    // Most words went: counting the rest afresh is cheaper, and a list
    // needs no counts at all.
    for (size_t b = 0; b < blocks; ++b) bits_[b] &= ~gone[b];
    size_ -= removedCount;
    if (listWanted()) {
        becomeList();
        return rescanList();
    }
    const auto before = masks_;
    recount();
    uint64_t changed = 0;
    for (int p = 0; p < length_; ++p)
        if (before[size_t(p)] != masks_[size_t(p)]) changed |= uint64_t(1) << p;
    return changed;
}

bool Domain::contains(uint32_t word) const {
    if (dense_) return word / 64 < bits_.size() && (bits_[word / 64] >> (word % 64) & 1);
    return std::find(list_.begin(), list_.begin() + size_, word) != list_.begin() + size_;
}

uint64_t Domain::remove(uint32_t word) {
    if (dense_) {
        if (!contains(word)) return 0;
        bits_[word / 64] &= ~(uint64_t(1) << (word % 64));
        --size_;
        const uint64_t changed = drop(word);
        if (listWanted()) becomeList();
        return changed;
    }
    const auto at = std::find(list_.begin(), list_.begin() + size_, word);
    if (at == list_.begin() + size_) return 0;
    dropFromList(uint32_t(at - list_.begin()));
    return rescanList();
}

uint32_t Domain::first() const {
    if (!dense_) return list_[0];
    for (size_t b = 0; b < bits_.size(); ++b)
        if (bits_[b]) return uint32_t(b * 64 + size_t(std::countr_zero(bits_[b])));
    return 0;
}

Domain::Saved Domain::save() const {
    Saved saved;
    saved.dense = dense_;
    saved.size = size_;
    saved.masks = masks_;
    if (dense_) {
        saved.bits = bits_;
        saved.counts = counts_;
    }
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
    counts_ = std::move(saved.counts);
}

}  // namespace quirvo
