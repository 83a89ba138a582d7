#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/common/progress.h"
#include "core/grid/grid.h"
#include "core/dictionary/lexicon.h"

namespace quirvo {

// The across and down runs through a cell, "#" at the cell itself and "?"
// for every empty one, with the bounds of the two runs.
struct CrossingRuns {
    std::string across, down;  // crossRowPat, crossColPat
    int16_t colFirst = 0, colLast = 0, rowFirst = 0, rowLast = 0;
};
CrossingRuns crossingRuns(const Grid& grid, int row, int col);

// One letter tried in the crossing cell: whether both words through it can
// still be completed, and how many cells shorter than its run each one is.
struct LetterTrial {
    char letter = 'A';
    bool fits = false;
    int16_t acrossLeft = 0, downLeft = 0;
};

enum class CrossingRefusal : uint8_t { None, FilledCell, NoRun };

// What a crossing trial found.
struct CrossingOutcome {
    CrossingRefusal refusal = CrossingRefusal::None;
    bool refused = false;      // the cell is not empty, or a run is too short or has no letter
    bool vowelsOnly = false;   // only A, E, I, O, U were to be tried
    std::vector<LetterTrial> letters;  // in the order tried, up to a stop
    int crossHits = 0;         // letters that fit
    bool interrupted = false;  // a stop was asked
};

// Told each letter as its trial starts, before the stop is polled, so that
// the window can show it meanwhile.
using LetterStarted = std::function<void(char letter)>;

// The trial on two runs: each letter (or each vowel) in place of "#" must
// pass sugginc across and down, at full length or, with accorcia, shorter.
CrossingOutcome trialOnRuns(const Lexicon& lexicon, const DictMask& active, const std::string& across,
                            const std::string& down, bool vowelsOnly, bool accorcia, Progress& progress,
                            const LetterStarted& letterStarted = {});

}  // namespace quirvo
