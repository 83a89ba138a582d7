#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/common/progress.h"
#include "core/dictionary/window_effects.h"
#include "core/session.h"

namespace quirvo {

// The across and down runs through a cell, "#" at the cell itself and "?"
// for every empty one, with the bounds of the two runs.
struct CrossingRuns {
    std::string across, down;  // crossRowPat, crossColPat
    int16_t colFirst = 0, colLast = 0, rowFirst = 0, rowLast = 0;
};
CrossingRuns crossingRuns(const Grid& grid, int row, int col);

// What the window applies after a crossing trial.
struct CrossingOutcome {
    WindowEffects effects;
    bool refused = false;      // " Richiesta errata! " or " errore CASELLA "
    int crossHits = 0;         // letters listed
    bool interrupted = false;  // a stop was asked
};

// Told each letter as its trial starts, before the stop is polled, so that
// the window can show " incrocio X " in panel 2 meanwhile.
using LetterStarted = std::function<void(char letter)>;

// The trial on two runs: each letter (or each vowel) in place of "#" must
// pass sugginc across and down; the list shows the letter alone, or with
// "Oriz.-n" / "Vert.-n" when only a word n cells shorter fits.
CrossingOutcome trialOnRuns(const Lexicon& lexicon, const DictMask& active, const std::string& across,
                            const std::string& down, bool vowelsOnly, bool accorcia, Progress& progress,
                            const LetterStarted& letterStarted = {});

// The mode-6 click on the current cell: checks the cell, outlines it, takes
// the two runs into the slot bounds, runs the trial (busyLevel 2 meanwhile)
// and clears busyLevel and stopRequest at the end.
CrossingOutcome crossingTrial(Session& session, bool vocali, Progress& progress,
                              const LetterStarted& letterStarted = {});

}  // namespace quirvo
