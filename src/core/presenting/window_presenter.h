#pragma once

#include "core/dictionary/crossing_trial.h"
#include "core/editing/search_outcome.h"
#include "core/presenting/window_effects.h"

namespace quirvo {

// What the main window shows for a slot take, a slot search or a slot
// command: every step in turn, the later ones over the earlier.
WindowEffects searchEffects(const SearchOutcome& outcome);

// After the search of a slot just taken, a list with lines tells where a
// click transfers them.
void tipForTakenSlot(WindowEffects& fx, bool row);

// What the window shows for a crossing trial on two runs.
WindowEffects crossingEffects(const CrossingOutcome& outcome);

// The same for the mode-6 click, whose cell is outlined in `cell`.
WindowEffects crossingClickEffects(const CrossingOutcome& outcome, const Outline& cell);

}  // namespace quirvo
