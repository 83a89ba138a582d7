#include "core/dictionary/search_index.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quirvo {

namespace {

constexpr size_t FANOUT = 16;

// The first 8 bytes of s as a big-endian number, zero-padded, so that
// numbers compare like the prefixes.
uint64_t prefixKey(const char* s, size_t len) {
    unsigned char bytes[8] = {};
    std::memcpy(bytes, s, std::min<size_t>(len, 8));
    uint64_t key = 0;
    for (unsigned char b : bytes) key = (key << 8) | b;
    return key;
}

}  // namespace

SearchIndex::SearchIndex(const Dictionary& dict)
    : textData_(dict.dictText.data()) {
    numberLines(dict.dictText);
    fillBuckets(dict.dictText);
    columnsMade_ = std::make_unique<std::once_flag[]>(buckets_.size());
    buildUpperMaxima();
    noteLetterStarts(dict);
}

void SearchIndex::noteLetterStarts(const Dictionary& dict) {
    letterStarts_ = dict.dictLetterStart;
    for (size_t letter = 0; letter < letterLines_.size(); ++letter) {
        const int32_t start = dict.dictLetterStart[letter];
        letterLines_[letter] = start > 0 ? lineAtOffset(static_cast<uint32_t>(start - 1)) : 0;
        for (LengthBucket& b : buckets_)
            b.letterEntries[letter] = static_cast<uint32_t>(
                std::lower_bound(b.lines.begin(), b.lines.end(), letterLines_[letter]) - b.lines.begin());
    }
}

uint32_t SearchIndex::lineOfLetterStart(int letter, int32_t start) const {
    if (start <= 0) return 0;
    if (letterStarts_[letter] == start) return letterLines_[letter];
    return lineAtOffset(static_cast<uint32_t>(start - 1));
}

size_t SearchIndex::entryAtOrAfter(const LengthBucket& bucket, uint32_t line) const {
    if (line == 0) return 0;
    for (size_t letter = 0; letter < letterLines_.size(); ++letter)
        if (letterLines_[letter] == line) return bucket.letterEntries[letter];
    return std::lower_bound(bucket.lines.begin(), bucket.lines.end(), line) - bucket.lines.begin();
}

// Finds every CR LF from the line feeds, 16 bytes at a time: a line feed
// ends the line when a carriage return before it lies within the line.
void SearchIndex::numberLines(const std::string& text) {
    lineStarts_.clear();
    lineStarts_.reserve(text.size() / 8 + 2);
    lineStarts_.push_back(0);
    lengthCounts_.assign(COLUMN_LENGTH_LIMIT + 2, 0);
    const char* s = text.data();
    const size_t size = text.size();
    size_t start = 0;
    const auto count = [&](size_t length) { ++lengthCounts_[std::min(length, COLUMN_LENGTH_LIMIT + 1)]; };
    const auto lineFeedAt = [&](size_t j) {
        if (j > start && s[j - 1] == '\r') {
            count(j - 1 - start);
            start = j + 1;
            if (start < size) lineStarts_.push_back(static_cast<uint32_t>(start));
        }
    };
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= size; i += 16) {
        unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)), lf)));
        for (; mask; mask &= mask - 1) lineFeedAt(i + std::countr_zero(mask));
    }
#endif
    for (; i < size; ++i)
        if (s[i] == '\n') lineFeedAt(i);
    if (size == 0) return;
    if (start < size) count(size - start);
    lineStarts_.push_back(static_cast<uint32_t>(start >= size ? size : size + 2));
}

// One pass over the lines files each in its bucket and keeps the largest
// prefix key of every run of lines, for the stop search.
void SearchIndex::fillBuckets(const std::string& text) {
    const uint32_t n = lineCount();
    buckets_.assign(COLUMN_LENGTH_LIMIT + 1, {});
    for (size_t len = 0; len <= COLUMN_LENGTH_LIMIT; ++len) buckets_[len].lines.resize(lengthCounts_[len]);
    longLines_.assign(lengthCounts_[COLUMN_LENGTH_LIMIT + 1], 0);
    std::vector<uint32_t> filled(COLUMN_LENGTH_LIMIT + 2, 0);
    maxima_.clear();
    std::vector<uint64_t> runMaxima(n > FANOUT ? (n + FANOUT - 1) / FANOUT : 0, 0);
    for (uint32_t line = 0; line < n; ++line) {
        const uint32_t len = lineLength(line);
        if (len <= COLUMN_LENGTH_LIMIT) buckets_[len].lines[filled[len]++] = line;
        else longLines_[filled[COLUMN_LENGTH_LIMIT + 1]++] = line;
        if (!runMaxima.empty()) {
            uint64_t& m = runMaxima[line / FANOUT];
            m = std::max(m, lineKey(text, line));
        }
    }
    if (!runMaxima.empty()) maxima_.push_back(std::move(runMaxima));
}

const SearchIndex::LengthBucket* SearchIndex::bucket(size_t length) const {
    if (length >= buckets_.size() || buckets_[length].lines.empty()) return nullptr;
    const LengthBucket& b = buckets_[length];
    std::call_once(columnsMade_[length], [&] { fillColumns(b, length); });
    return &b;
}

// Transposes 64 lines at a time: their characters stay in the cache while
// each column gets a whole cache line, written straight to memory since it
// is read much later.
void SearchIndex::fillColumns(const LengthBucket& b, size_t length) const {
    const size_t n = b.lines.size();
    b.stride = (n + CHUNK - 1) / CHUNK * CHUNK;
    b.columns.resize(length * b.stride);
    const unsigned char* chars = reinterpret_cast<const unsigned char*>(textData_);
    const unsigned char* rows[CHUNK];
    alignas(16) uint8_t block[CHUNK];
    for (size_t base = 0; base < n; base += CHUNK) {
        const size_t count = std::min(CHUNK, n - base);
        for (size_t j = 0; j < count; ++j) rows[j] = chars + lineStarts_[b.lines[base + j]];
        for (size_t p = 0; p < length; ++p) {
            for (size_t j = 0; j < count; ++j) block[j] = rows[j][p];
            std::fill(block + count, block + CHUNK, uint8_t{0});
            uint8_t* column = b.columns.data() + p * b.stride + base;
#if defined(__SSE2__)
            if (reinterpret_cast<uintptr_t>(column) % 16 == 0) {
                for (size_t q = 0; q < CHUNK; q += 16)
                    _mm_stream_si128(reinterpret_cast<__m128i*>(column + q),
                                     _mm_load_si128(reinterpret_cast<const __m128i*>(block + q)));
                continue;
            }
#endif
            std::memcpy(column, block, CHUNK);
        }
    }
#if defined(__SSE2__)
    _mm_sfence();
#endif
}

uint64_t SearchIndex::lineKey(const std::string& text, uint32_t line) const {
    const uint32_t start = lineStarts_[line];
    const uint32_t len = lineLength(line);
    if (len == 0) return 0;
    if (start + 8 > text.size()) return prefixKey(text.data() + start, len);
    uint64_t raw = 0;
    std::memcpy(&raw, text.data() + start, 8);
    if constexpr (std::endian::native == std::endian::little) raw = __builtin_bswap64(raw);
    return len >= 8 ? raw : raw & (~uint64_t{0} << (8 * (8 - len)));
}

void SearchIndex::buildUpperMaxima() {
    while (!maxima_.empty() && maxima_.back().size() > FANOUT) {
        const std::vector<uint64_t>& below = maxima_.back();
        std::vector<uint64_t> above((below.size() + FANOUT - 1) / FANOUT, 0);
        for (size_t i = 0; i < below.size(); ++i) above[i / FANOUT] = std::max(above[i / FANOUT], below[i]);
        maxima_.push_back(std::move(above));
    }
}

uint32_t SearchIndex::lineAtOffset(uint32_t offset) const {
    const auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end() - 1, offset);
    return it == lineStarts_.begin() ? 0 : static_cast<uint32_t>(it - lineStarts_.begin() - 1);
}

// First line from `from` on whose 8-byte prefix key is at least key: finish
// the current run of FANOUT lines, then climb the maxima until a run holds such a
// key, then descend into it.
uint32_t SearchIndex::firstKeyNotBelow(const std::string& text, uint32_t from, uint64_t key) const {
    const uint32_t n = lineCount();
    const uint32_t runEnd = std::min<uint32_t>(n, (from / FANOUT + 1) * FANOUT);
    for (uint32_t line = from; line < runEnd; ++line)
        if (lineKey(text, line) >= key) return line;
    if (runEnd >= n) return n;
    size_t level = 0;
    size_t i = runEnd / FANOUT;
    for (;;) {
        const std::vector<uint64_t>& m = maxima_[level];
        const bool top = level + 1 == maxima_.size();
        const size_t end = top ? m.size() : std::min(m.size(), (i / FANOUT + 1) * FANOUT);
        while (i < end && m[i] < key) ++i;
        if (i < end) break;
        if (top) return n;
        i = (end + FANOUT - 1) / FANOUT;  // past this run's parent, even when the run is the last, short one
        ++level;
    }
    while (level > 0) {
        --level;
        i *= FANOUT;
        while (maxima_[level][i] < key) ++i;
    }
    uint32_t line = static_cast<uint32_t>(i * FANOUT);
    while (lineKey(text, line) < key) ++line;
    return line;
}

uint32_t SearchIndex::firstLineNotBelow(const std::string& text, uint32_t from, std::string_view bound) const {
    const uint64_t key = prefixKey(bound.data(), bound.size());
    for (uint32_t line = from;; ++line) {
        line = firstKeyNotBelow(text, line, key);
        // Up to 8 bytes the key decides; beyond, equal keys need the whole line.
        if (line >= lineCount() || bound.size() <= 8 || this->line(text, line) >= bound) return line;
    }
}

SearchIndexes buildSearchIndexes(const DictionarySet& dicts) {
    SearchIndexes indexes;
    for (int slot = 1; slot <= DICT_SLOTS; ++slot)
        if (dicts[slot].present()) indexes.bySlot[slot] = SearchIndex(dicts[slot]);
    return indexes;
}

std::string prefixCeiling(std::string_view prefix) {
    std::string ceiling(prefix);
    while (!ceiling.empty() && static_cast<unsigned char>(ceiling.back()) == 0xFF) ceiling.pop_back();
    if (!ceiling.empty()) ceiling.back() = static_cast<char>(static_cast<unsigned char>(ceiling.back()) + 1);
    return ceiling;
}

}  // namespace quirvo
