#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/dictionary/dictionary.h"

namespace quirvo {

// What the searches need to visit only the lines that can match, built once
// per dictionary after loading. Every line is numbered in file order; the
// lines of each length are listed in file order; a tree of line maxima
// finds where the scan of a sorted list would stop. The first search of a
// length also stores the characters of that length's lines position by
// position, so that from then on one pattern letter is tested on 64 lines
// at once; loading does not pay for lengths nobody searches. Each length's
// columns are made under a once flag, so any number of threads may read
// one index at once. The index refers to the dictionary's text and never
// copies it.
class SearchIndex {
public:
    static constexpr size_t COLUMN_LENGTH_LIMIT = 64;  // longer lines have no columns
    static constexpr size_t CHUNK = 64;                // lines tested at once

    // Bytes that resize() leaves as they come: every column byte is
    // written once, so zeroing them first would be wasted.
    template <typename T>
    struct UninitializedAllocator : std::allocator<T> {
        template <typename U>
        struct rebind {
            using other = UninitializedAllocator<U>;
        };
        template <typename U>
        void construct(U* p) noexcept {
            ::new (static_cast<void*>(p)) U;
        }
        template <typename U, typename... Args>
        void construct(U* p, Args&&... args) {
            ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
        }
    };

    // The lines of one length, in file order.
    struct LengthBucket {
        std::vector<uint32_t> lines;  // line numbers, ascending
        // First entry at or after the start line of each initial, as recorded at build.
        std::array<uint32_t, 27> letterEntries{};
        // Character p of entry i at p * stride + i, zero past the last
        // entry; made by the first bucket() call of this length.
        mutable std::vector<uint8_t, UninitializedAllocator<uint8_t>> columns;
        mutable size_t stride = 0;  // lines.size() rounded up to CHUNK
        const uint8_t* column(size_t p) const { return columns.data() + p * stride; }
    };

    SearchIndex() = default;
    explicit SearchIndex(const Dictionary& dict);

    uint32_t lineCount() const { return static_cast<uint32_t>(lineStarts_.size()) - 1; }
    uint32_t lineStart(uint32_t line) const { return lineStarts_[line]; }
    uint32_t lineLength(uint32_t line) const { return lineStarts_[line + 1] - 2 - lineStarts_[line]; }
    std::string_view line(const std::string& text, uint32_t line) const {
        return std::string_view(text).substr(lineStart(line), lineLength(line));
    }
    // The line holding a 0-based text offset.
    uint32_t lineAtOffset(uint32_t offset) const;
    // The line where a 1-based dictLetterStart position lies (0 for none);
    // at once for the starts the dictionary had at build.
    uint32_t lineOfLetterStart(int letter, int32_t start) const;
    // The first line from `from` on that compares greater than or equal to
    // bound (plain character codes); lineCount() when there is none.
    uint32_t firstLineNotBelow(const std::string& text, uint32_t from, std::string_view bound) const;

    // The lines of a length up to COLUMN_LENGTH_LIMIT, with their columns;
    // nullptr when none.
    const LengthBucket* bucket(size_t length) const;
    // Lines longer than COLUMN_LENGTH_LIMIT, in file order.
    const std::vector<uint32_t>& longLines() const { return longLines_; }
    // The first entry of a bucket at or after a line; at once for the top
    // and for the letter starts the dictionary had at build.
    size_t entryAtOrAfter(const LengthBucket& bucket, uint32_t line) const;

private:
    void numberLines(const std::string& text);
    void fillBuckets(const std::string& text);
    void fillColumns(const LengthBucket& b, size_t length) const;
    void buildUpperMaxima();
    void noteLetterStarts(const Dictionary& dict);
    uint64_t lineKey(const std::string& text, uint32_t line) const;
    uint32_t firstKeyNotBelow(const std::string& text, uint32_t from, uint64_t key) const;

    const char* textData_ = nullptr;
    // Start of each line plus one past the last line's end (its CR LF
    // included, as if it had one), so a line's length is always
    // start[line + 1] - 2 - start[line].
    std::vector<uint32_t> lineStarts_{0};
    std::vector<uint32_t> lengthCounts_;  // lines of each length up to the limit, then the longer ones
    std::vector<LengthBucket> buckets_;
    std::unique_ptr<std::once_flag[]> columnsMade_;  // one per bucket
    std::vector<uint32_t> longLines_;
    std::array<int32_t, 27> letterStarts_{};  // dictLetterStart at build
    std::array<uint32_t, 27> letterLines_{};  // the line of each, 0 for none
    // Level k holds the largest 8-byte line prefix of each run of 16^(k+1) lines.
    std::vector<std::vector<uint64_t>> maxima_;
};

// One index per dictionary slot, next to the DictionarySet it serves.
struct SearchIndexes {
    std::array<SearchIndex, DICT_SLOTS + 1> bySlot;

    const SearchIndex& operator[](int slot) const { return bySlot[slot]; }
};

// The indexes of every present slot; they point into the set's texts, so
// the set must stay where it is (the Lexicon keeps both together).
SearchIndexes buildSearchIndexes(const DictionarySet& dicts);

// The smallest string above every string that begins with prefix, for the
// sorted-order stop; "" when there is none (empty prefix, or all 0xFF).
std::string prefixCeiling(std::string_view prefix);

}  // namespace quirvo
