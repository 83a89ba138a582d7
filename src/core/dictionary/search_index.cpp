#include "core/dictionary/search_index.h"

#include <algorithm>
#include <cstring>

namespace quirvo {

namespace {

constexpr size_t FANOUT = 64;

// The first 8 bytes of s as a big-endian number, zero-padded, so that
// numbers compare like the prefixes.
uint64_t prefixKey(const char* s, size_t len) {
    unsigned char bytes[8] = {};
    std::memcpy(bytes, s, std::min<size_t>(len, 8));
    uint64_t key = 0;
    for (unsigned char b : bytes) key = (key << 8) | b;
    return key;
}

// Position of the next CR LF at or after from, npos when there is none.
size_t findLineSep(const std::string& text, size_t from) {
    const char* s = text.data();
    const size_t size = text.size();
    while (from + 1 < size) {
        const void* cr = std::memchr(s + from, '\r', size - 1 - from);
        if (!cr) break;
        const size_t at = static_cast<const char*>(cr) - s;
        if (s[at + 1] == '\n') return at;
        from = at + 1;
    }
    return std::string::npos;
}

}  // namespace

SearchIndex::SearchIndex(const Dictionary& dict)
    : textData_(dict.dictText.data()), textSize_(dict.dictText.size()) {
    numberLines(dict.dictText);
    fillBuckets(dict.dictText);
    buildMaxima(dict.dictText);
}

bool SearchIndex::builtFor(const Dictionary& dict) const {
    return textData_ == dict.dictText.data() && textSize_ == dict.dictText.size();
}

void SearchIndex::numberLines(const std::string& text) {
    lineStarts_.clear();
    lineStarts_.reserve(text.size() / 8 + 2);
    size_t pos = 0;
    while (pos < text.size()) {
        lineStarts_.push_back(static_cast<uint32_t>(pos));
        const size_t sep = findLineSep(text, pos);
        pos = sep == std::string::npos ? text.size() + 2 : sep + 2;
    }
    lineStarts_.push_back(static_cast<uint32_t>(pos));
}

void SearchIndex::fillBuckets(const std::string& text) {
    const uint32_t n = lineCount();
    std::vector<uint32_t> counts(COLUMN_LENGTH_LIMIT + 1, 0);
    size_t longCount = 0;
    for (uint32_t line = 0; line < n; ++line) {
        const uint32_t len = lineLength(line);
        if (len <= COLUMN_LENGTH_LIMIT) ++counts[len];
        else ++longCount;
    }
    buckets_.assign(COLUMN_LENGTH_LIMIT + 1, {});
    for (size_t len = 0; len <= COLUMN_LENGTH_LIMIT; ++len) {
        LengthBucket& b = buckets_[len];
        b.lines.resize(counts[len]);
        b.stride = (counts[len] + CHUNK - 1) / CHUNK * CHUNK;
        b.columns.assign(len * b.stride, 0);
        counts[len] = 0;
    }
    longLines_.clear();
    longLines_.reserve(longCount);
    const unsigned char* chars = reinterpret_cast<const unsigned char*>(text.data());
    for (uint32_t line = 0; line < n; ++line) {
        const uint32_t len = lineLength(line);
        if (len > COLUMN_LENGTH_LIMIT) {
            longLines_.push_back(line);
            continue;
        }
        LengthBucket& b = buckets_[len];
        const uint32_t entry = counts[len]++;
        b.lines[entry] = line;
        const unsigned char* s = chars + lineStarts_[line];
        uint8_t* out = b.columns.data() + entry;
        for (uint32_t p = 0; p < len; ++p, out += b.stride) *out = s[p];
    }
}

uint64_t SearchIndex::lineKey(const std::string& text, uint32_t line) const {
    return prefixKey(text.data() + lineStarts_[line], lineLength(line));
}

void SearchIndex::buildMaxima(const std::string& text) {
    maxima_.clear();
    const uint32_t n = lineCount();
    if (n <= FANOUT) return;
    std::vector<uint64_t> level((n + FANOUT - 1) / FANOUT, 0);
    for (uint32_t line = 0; line < n; ++line) {
        uint64_t& m = level[line / FANOUT];
        m = std::max(m, lineKey(text, line));
    }
    maxima_.push_back(std::move(level));
    while (maxima_.back().size() > FANOUT) {
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
// the current run of 64 lines, then climb the maxima until a run holds such a
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
        i = end / FANOUT;
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
    refreshSearchIndexes(dicts, indexes);
    return indexes;
}

void refreshSearchIndexes(const DictionarySet& dicts, SearchIndexes& indexes) {
    for (int slot = 1; slot <= DICT_SLOTS; ++slot) {
        const Dictionary& dict = dicts[slot];
        if (dict.present() && !indexes.bySlot[slot].builtFor(dict)) indexes.bySlot[slot] = SearchIndex(dict);
    }
}

std::string prefixCeiling(std::string_view prefix) {
    std::string ceiling(prefix);
    while (!ceiling.empty() && static_cast<unsigned char>(ceiling.back()) == 0xFF) ceiling.pop_back();
    if (!ceiling.empty()) ceiling.back() = static_cast<char>(static_cast<unsigned char>(ceiling.back()) + 1);
    return ceiling;
}

}  // namespace quirvo
