#pragma once

#include <cstdint>

#include "core/common/progress.h"
#include "core/dictionary/ricerca.h"
#include "core/editing/drag_cut.h"
#include "core/session.h"

namespace quirvo {

// The slot part of a click in mode 1 (row) or 2 (column) on the current
// cell: the run between black cells through it, limited by a drag, becomes
// slotPattern ("?" for an empty cell) with testom, slotFull and the slot
// bounds; the free ends are cleared; the slot is outlined in red and
// Command1..Command4 are enabled. No search runs. A column click on a black
// cell does nothing (ignored).
SearchOutcome pickSlot(Session& session, const DragCut& drag);

// pickSlot, then ricerca, then the list's tool tip when something was found.
SearchOutcome takeSlot(Session& session, const DragCut& drag, Progress& progress);

}  // namespace quirvo
