#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/progress.h"
#include "core/dictionary/lexicon.h"

namespace quirvo {

inline constexpr size_t RESULT_CAP = 50;

// The pattern of a slot search: slotPattern with slotFull and headCut.
struct SlotQuery {
    std::string_view pattern;
    std::string_view full;
    std::string_view headCut;
    bool estesa = false;  // no result cap
};

// An entry that fits a slot pattern, as found: views into the dictionary's
// text and the vowel-set table, valid as long as the dictionaries are.
struct SlotHit {
    std::string_view entry;     // the line as stored
    // Its last character as it stands in the slot: as stored, or for the
    // base dictionary's vowel set the slot's known letter or all its vowels.
    std::string_view lastForm;
    uint8_t ndi = 0;   // the dictionary slot, 1..6
    uint32_t lead = 0;  // free head: the slot cells before the word
};

// The entries that fit a slot search, in the order the scan finds them.
struct SlotScan {
    std::vector<SlotHit> hits;
    bool stopped = false;  // a stop was asked: the entries found so far
    bool capped = false;   // the result cap ended the search
};

// A pattern without an open cell, made of "?" only, or shorter than 2.
bool refusedPattern(std::string_view pattern);

// firstWild: 1-based position of the first "?", else of the first "*"; 0 for none.
size_t firstWildPosition(std::string_view pattern);

// Scans the dictionaries 1..6 switched on in `active` for the entries that
// fit the pattern, with every rule of the line-by-line scan (letter start, sorted-order stop,
// lengths, free head alignment, the base dictionary's last letter, the cap
// counted in scan order), visiting through the indexes only the lines that
// can fit. Call only for a pattern refusedPattern() accepts. A dictionary's
// flag is read when its turn comes, so one switched off while the scan
// yields to the window is skipped: hand the session's flags themselves.
SlotScan scanSlot(const Lexicon& lexicon, const DictMask& active, const SlotQuery& query, Progress& progress);

}  // namespace quirvo
