#pragma once

#include <string>

#include "core/dictionary/crossing_trial.h"

namespace quirvo::bench {

// The crossing trial that the benchmarks measure against: the 26 letters
// tried in one cell where a 15-cell across run meets an 11-cell down run.
// It is what a click in the crossing mode costs, so it stands for the time
// the window may spend on one interaction.
inline const std::string CROSSING_ACROSS = "??A?#???E?????O";
inline const std::string CROSSING_DOWN = "?R?#?????I?";

// The letters listed by the trial.
inline int crossingTrial26(const Lexicon& lexicon, DictMask active) {
    Progress progress;
    return trialOnRuns(lexicon, active, CROSSING_ACROSS, CROSSING_DOWN, false, true, progress).crossHits;
}

}  // namespace quirvo::bench
