#include "core/dictionary/fit_test.h"

#include "core/dictionary/line_matcher.h"
#include "core/grid/cell_codes.h"

namespace quirvo {

namespace {

enum class Found { Nothing, Hit, Stopped };

// One length of the pattern in one dictionary.
Found fitsIn(const Dictionary& dict, const SearchIndex& index, int ndi, std::string_view pattern,
             std::string_view fixedPrefix, Progress& progress) {
    if (index.lineCount() == 0) return Found::Nothing;
    const bool base = ndi == 1;
    const LineShape shape{pattern, false, base};
    const uint32_t first = scanStartLine(dict, index, pattern.front());
    const uint32_t last = scanLastLine(dict, index, first, fixedPrefix);
    MatchCursor cursor = pattern.size() <= SearchIndex::COLUMN_LENGTH_LIMIT
                             ? MatchCursor(index, dict.dictText, shape, pattern.size(), first, last)
                             : MatchCursor::longLines(index, dict.dictText, shape, pattern.size(),
                                                      pattern.size(), first, last);
    const char a = pattern.back();
    for (;;) {
        if (!cursor.advance(progress)) return Found::Stopped;
        if (cursor.line() == NO_LINE) return Found::Nothing;
        if (progress.tick()) return Found::Stopped;
        const std::string_view riga = index.line(dict.dictText, cursor.line());
        if (riga.front() == '\'') continue;
        const char known = isLetterCode(a) ? a : 0;
        if (base && resolvedLastChar(riga.back(), known).empty()) continue;
        return Found::Hit;
    }
}

}  // namespace

FitTest sugginc(const Lexicon& lexicon, const DictMask& active, std::string_view suggPattern, bool accorcia,
                Progress& progress) {
    FitTest result;
    const size_t suggLen = suggPattern.size();
    const size_t wild = suggPattern.find('?');
    const size_t lastLetter = suggPattern.find_last_not_of('?');
    const size_t shortest = !accorcia ? suggLen : lastLetter == std::string_view::npos ? 1 : lastLetter + 1;
    result.fitLen = static_cast<int16_t>(suggLen);
    for (size_t len = suggLen; len >= shortest && len >= 1; --len) {
        if (progress.tick()) return {false, result.fitLen, true};
        const std::string_view pattern = suggPattern.substr(0, len);
        // With an open cell the stop compares the letters before the first
        // one; without, the whole pattern at this length.
        const std::string_view prefix = wild == std::string_view::npos ? pattern : pattern.substr(0, wild);
        for (int ndi = 1; ndi <= SEARCHABLE_SLOTS; ++ndi) {
            const Dictionary& dict = lexicon[ndi];
            if (!dict.present() || !(active & slotBit(ndi))) continue;
            switch (fitsIn(dict, lexicon.indexes()[ndi], ndi, pattern, prefix, progress)) {
                case Found::Hit: return {true, static_cast<int16_t>(len), false};
                case Found::Stopped: return {false, result.fitLen, true};
                case Found::Nothing: break;
            }
        }
        result.fitLen = static_cast<int16_t>(len - 1);
    }
    return result;
}

}  // namespace quirvo
