#pragma once

#include <cstdint>
#include <string_view>

#include "core/common/progress.h"
#include "core/dictionary/lexicon.h"

namespace quirvo {

// sugginc's answer: whether a dictionary switched on holds a word that fits.
struct FitTest {
    bool hit = false;      // suggHits
    int16_t fitLen = 0;    // suggFitLen: the length that fitted, on a hit
    bool stopped = false;  // a stop was asked: nothing found
};

// The crossing fit test: does any dictionary of `active` hold an entry that
// fits the pattern (letters and "?"), at its full length or, with accorcia
// ("Lunghezza Libera"), at a shorter length down to its last letter? Lines
// beginning with "'" are skipped; open codes agree with letters only in
// slot 1; the scan of each length keeps the letter start and the
// sorted-order stop. Flags are read as each dictionary's turn comes, as in
// scanSlot.
FitTest sugginc(const Lexicon& lexicon, const DictMask& active, std::string_view suggPattern, bool accorcia,
                Progress& progress);

}  // namespace quirvo
