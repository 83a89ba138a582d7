#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/progress.h"
#include "core/dictionary/search_index.h"

namespace quirvo {

inline constexpr uint32_t NO_LINE = UINT32_MAX;

// A line character of code 64 or less ("@", the vowel-set symbols, digits,
// blanks) stands for a letter still to be decided.
inline bool isOpenCode(char c) { return static_cast<unsigned char>(c) <= 64; }
inline bool isWildcard(char p) { return p == '?' || p == '*'; }

// A pattern position that holds a letter, as a line position.
struct FixedLetter {
    uint32_t pos;
    uint8_t letter;
};

// How a search lays a pattern over the dictionary lines: from the left, or
// from the right for a free head, where the pattern's last character meets
// the line's last one; whether open codes agree with every letter.
struct LineShape {
    std::string_view pattern;
    bool fromRight = false;
    bool openAgrees = true;

    // The pattern letters as positions of a line of this length, the
    // rarest letters first so that a test fails early; out has room for
    // the pattern's length. Returns how many.
    size_t lettersFor(size_t length, FixedLetter* out) const;
    // The position test on one line of at least the pattern's length.
    bool agrees(std::string_view line) const;
};

// Walks, in file order, the lines of given lengths between two line numbers
// that pass the position test of a LineShape: lines up to the column limit
// through their length bucket, 64 at a time; longer ones through the text.
class MatchCursor {
public:
    // Lines of exactly `length`, within [firstLine, lastLine].
    MatchCursor(const SearchIndex& index, const std::string& text, const LineShape& shape, size_t length,
                uint32_t firstLine, uint32_t lastLine);
    // Lines longer than the column limit with a length in [minLength, maxLength].
    static MatchCursor longLines(const SearchIndex& index, const std::string& text, const LineShape& shape,
                                 size_t minLength, size_t maxLength, uint32_t firstLine, uint32_t lastLine);

    // The current line, NO_LINE once the cursor is spent or stopped.
    uint32_t line() const { return line_; }
    // Moves to the next passing line; false (and spent) when a stop was asked.
    bool advance(Progress& progress);

private:
    MatchCursor(const SearchIndex& index, const std::string& text, const LineShape& shape);
    bool advanceInColumns(Progress& progress);
    bool advanceInText(Progress& progress);

    const SearchIndex* index_;
    const std::string* text_;
    LineShape shape_;
    const SearchIndex::LengthBucket* bucket_ = nullptr;
    std::array<FixedLetter, SearchIndex::COLUMN_LENGTH_LIMIT> letters_;
    size_t letterCount_ = 0;
    size_t pos_ = 0, end_ = 0;  // bucket entries, or long-line entries
    uint32_t lastLine_ = 0;
    uint64_t pending_ = 0;      // passing entries of the current chunk not yet visited
    size_t chunk_ = 0;
    size_t minLength_ = 0, maxLength_ = 0;
    uint32_t line_ = NO_LINE;
};

// First line of the scan: the recorded start of the pattern's initial, the
// top when the initial is open, has no start recorded or no place in the index.
uint32_t scanStartLine(const Dictionary& dict, const SearchIndex& index, char initial);

// Last line the scan of a sorted list reaches: the first one from startLine
// on that sorts beyond the fixed prefix (it is still tested), else the last.
uint32_t scanLastLine(const Dictionary& dict, const SearchIndex& index, uint32_t startLine,
                      std::string_view fixedPrefix);

// The base dictionary's rule for an entry's last character: the character,
// or its bracketed vowels when it is a vowel-set symbol; narrowed to the
// slot's known last letter `known` when one is given (0 for none); empty when
// the entry cannot end with that letter. The answer views `last` or the
// vowel-set table.
std::string_view resolvedLastChar(const char& last, char known);

}  // namespace quirvo
