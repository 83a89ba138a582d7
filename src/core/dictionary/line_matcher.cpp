#include "core/dictionary/line_matcher.h"

#include <algorithm>
#include <bit>

#include "core/dictionary/vowel_sets.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quirvo {

namespace {

// Sort key of a letter by how often it occurs in Italian words: rarer
// letters get smaller keys; letters outside the list are the rarest.
int rarity(uint8_t letter) {
    static constexpr std::string_view byFrequency = "EAIOTNRLSCDUPMVGHFBZQ";
    const size_t at = byFrequency.find(static_cast<char>(letter));
    return at == std::string_view::npos ? -100 : -static_cast<int>(at);
}

// Bit i set when the column byte i of this chunk is the letter (or, with
// openAgrees, an open code).
uint64_t letterBits(const uint8_t* column, uint8_t letter, bool openAgrees) {
#if defined(__SSE2__)
    const __m128i want = _mm_set1_epi8(static_cast<char>(letter));
    const __m128i open = _mm_set1_epi8(64);
    uint64_t bits = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(column + 16 * part));
        __m128i hit = _mm_cmpeq_epi8(v, want);
        if (openAgrees) hit = _mm_or_si128(hit, _mm_cmpeq_epi8(_mm_min_epu8(v, open), v));
        bits |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(hit))) << (16 * part);
    }
    return bits;
#else
    uint64_t bits = 0;
    for (size_t i = 0; i < SearchIndex::CHUNK; ++i)
        if (column[i] == letter || (openAgrees && column[i] <= 64)) bits |= uint64_t{1} << i;
    return bits;
#endif
}

uint64_t bitsFrom(size_t first) { return first >= 64 ? 0 : ~uint64_t{0} << first; }
uint64_t bitsBelow(size_t end) { return end >= 64 ? ~uint64_t{0} : (uint64_t{1} << end) - 1; }

}  // namespace

size_t LineShape::lettersFor(size_t length, FixedLetter* out) const {
    size_t count = 0;
    const size_t shift = fromRight ? length - pattern.size() : 0;
    for (size_t k = 0; k < pattern.size(); ++k)
        if (!isWildcard(pattern[k]))
            out[count++] = {static_cast<uint32_t>(shift + k), static_cast<uint8_t>(pattern[k])};
    std::sort(out, out + count, [](const FixedLetter& a, const FixedLetter& b) {
        return std::pair(rarity(a.letter), a.pos) < std::pair(rarity(b.letter), b.pos);
    });
    return count;
}

bool LineShape::agrees(std::string_view line) const {
    const size_t shift = fromRight ? line.size() - pattern.size() : 0;
    for (size_t k = 0; k < pattern.size(); ++k) {
        const char p = pattern[k];
        const char w = line[shift + k];
        if (!isWildcard(p) && w != p && !(openAgrees && isOpenCode(w))) return false;
    }
    return true;
}

MatchCursor::MatchCursor(const SearchIndex& index, const std::string& text, const LineShape& shape)
    : index_(&index), text_(&text), shape_(shape) {}

MatchCursor::MatchCursor(const SearchIndex& index, const std::string& text, const LineShape& shape,
                         size_t length, uint32_t firstLine, uint32_t lastLine)
    : MatchCursor(index, text, shape) {
    if (firstLine > lastLine || !index.bucket(length)) return;
    bucket_ = index.bucket(length);
    // The end is found on the way: entries past lastLine end the walk.
    pos_ = index.entryAtOrAfter(*bucket_, firstLine);
    end_ = bucket_->lines.size();
    lastLine_ = lastLine;
    letterCount_ = shape.lettersFor(length, letters_.data());
    chunk_ = pos_ / SearchIndex::CHUNK;
}

MatchCursor MatchCursor::longLines(const SearchIndex& index, const std::string& text, const LineShape& shape,
                                   size_t minLength, size_t maxLength, uint32_t firstLine, uint32_t lastLine) {
    MatchCursor cursor(index, text, shape);
    cursor.minLength_ = minLength;
    cursor.maxLength_ = maxLength;
    if (firstLine > lastLine) return cursor;
    const auto& lines = index.longLines();
    cursor.pos_ = std::lower_bound(lines.begin(), lines.end(), firstLine) - lines.begin();
    cursor.end_ = std::upper_bound(lines.begin(), lines.end(), lastLine) - lines.begin();
    return cursor;
}

bool MatchCursor::advance(Progress& progress) {
    line_ = NO_LINE;
    return bucket_ ? advanceInColumns(progress) : advanceInText(progress);
}

bool MatchCursor::advanceInColumns(Progress& progress) {
    constexpr size_t CHUNK = SearchIndex::CHUNK;
    while (pending_ == 0) {
        const size_t base = chunk_ * CHUNK;
        const size_t first = std::max(base, pos_);
        if (first >= end_ || bucket_->lines[first] > lastLine_) return true;
        if (progress.tick()) {
            end_ = 0;
            return false;
        }
        uint64_t bits = bitsFrom(first - base) & bitsBelow(end_ - base);
        for (size_t k = 0; k < letterCount_ && bits; ++k)
            bits &= letterBits(bucket_->column(letters_[k].pos) + base, letters_[k].letter, shape_.openAgrees);
        pending_ = bits;
        ++chunk_;
    }
    const size_t entry = (chunk_ - 1) * CHUNK + std::countr_zero(pending_);
    pending_ &= pending_ - 1;
    if (bucket_->lines[entry] > lastLine_) {
        end_ = pending_ = 0;
        return true;
    }
    line_ = bucket_->lines[entry];
    return true;
}

bool MatchCursor::advanceInText(Progress& progress) {
    const auto& lines = index_->longLines();
    while (pos_ < end_) {
        if (progress.tick()) {
            end_ = 0;
            return false;
        }
        const uint32_t line = lines[pos_++];
        const size_t length = index_->lineLength(line);
        if (length < minLength_ || length > maxLength_ || length < shape_.pattern.size()) continue;
        if (shape_.agrees(index_->line(*text_, line))) {
            line_ = line;
            return true;
        }
    }
    return true;
}

uint32_t scanStartLine(const Dictionary& dict, const SearchIndex& index, char initial) {
    const int code = static_cast<unsigned char>(initial);
    if (isWildcard(initial) || code < '@' || code > 'Z') return 0;
    return index.lineOfLetterStart(code - '@', dict.dictLetterStart[code - '@']);
}

uint32_t scanLastLine(const Dictionary& dict, const SearchIndex& index, uint32_t startLine,
                      std::string_view fixedPrefix) {
    const uint32_t n = index.lineCount();
    const std::string ceiling = prefixCeiling(fixedPrefix);
    if (n == 0 || ceiling.empty()) return n == 0 ? 0 : n - 1;
    return std::min(n - 1, index.firstLineNotBelow(dict.dictText, startLine, ceiling));
}

std::string_view resolvedLastChar(const char& last, char known) {
    const std::string_view vowels = bracketedForm(last);
    const std::string_view form = vowels.empty() ? std::string_view(&last, 1) : vowels;
    if (known == 0) return form;
    for (const char& c : form)
        if (c == known) return std::string_view(&c, 1);
    return {};
}

}  // namespace quirvo
