#pragma once

#include "core/common/progress.h"
#include "core/dictionary/lexicon_state.h"
#include "core/editing/drag_cut.h"
#include "core/editing/editor_state.h"
#include "core/editing/search_outcome.h"
#include "core/grid/grid.h"

namespace quirvo {

// The slot part of a click in mode 1 (row) or 2 (column) on the editor's
// current cell: the run between black cells through it, limited by a drag,
// becomes slotPattern ("?" for an empty cell) with testom, slotFull and the
// slot bounds; the free ends are cleared; the slot is outlined. No search
// runs. A column click on a black cell and a busy editor do nothing
// (ignored, false). Appends its step to `into`.
bool pickSlot(const Grid& grid, EditorState& editor, Outline& outline, const DragCut& drag, SearchOutcome& into);

// A row slot over the cells 0..n-1 of a pattern, as a click leaves it
// before its search.
SlotState rowSlotOf(const std::string& cells);

// pickSlot, then ricerca.
SearchOutcome takeSlot(const Grid& grid, EditorState& editor, Outline& outline, const DragCut& drag,
                       const LexiconState& lexicon, Progress& progress);

}  // namespace quirvo
