#pragma once

#include "core/common/progress.h"
#include "core/dictionary/crossing_trial.h"
#include "core/dictionary/lexicon_state.h"
#include "core/editing/editor_state.h"
#include "core/grid/grid.h"
#include "core/view/view_state.h"

namespace quirvo {

// The mode-6 click on the editor's current cell: checks the cell, outlines
// it, takes the two runs into the slot bounds and runs the trial.
CrossingOutcome crossingTrial(const Grid& grid, EditorState& editor, Outline& outline, const LexiconState& lexicon,
                              bool vocali, Progress& progress, const LetterStarted& letterStarted = {});

}  // namespace quirvo
