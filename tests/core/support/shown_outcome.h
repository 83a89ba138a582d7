#pragma once

#include <utility>

#include "core/dictionary/crossing_trial.h"
#include "core/editing/search_outcome.h"
#include "core/presenting/window_presenter.h"

namespace quirvo::testing {

// An engine outcome together with what the window shows for it, so that a
// test checks both where they meet.
struct ShownSearch : SearchOutcome {
    WindowEffects effects;
};
struct ShownCrossing : CrossingOutcome {
    WindowEffects effects;
};

inline ShownSearch shown(SearchOutcome raw) {
    WindowEffects fx = searchEffects(raw);
    return {std::move(raw), std::move(fx)};
}

inline ShownCrossing shown(CrossingOutcome raw) {
    WindowEffects fx = crossingEffects(raw);
    return {std::move(raw), std::move(fx)};
}

// The mode-6 click, whose cell the window outlines.
inline ShownCrossing shownClick(CrossingOutcome raw, const Outline& cell) {
    WindowEffects fx = crossingClickEffects(raw, cell);
    return {std::move(raw), std::move(fx)};
}

}  // namespace quirvo::testing
