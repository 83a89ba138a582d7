#pragma once

#include <cstdint>

#include "core/editing/editor_state.h"
#include "core/view/view_state.h"

namespace quirvo {

// What the slot search and the slot commands change: the slot under work,
// the outline that shows it, and the work mode (1 row, 2 column) that says
// which way it runs.
struct SlotWork {
    SlotState& slot;
    Outline& outline;
    int16_t workMode = 1;

    SlotWork(SlotState& s, Outline& o, int16_t mode) : slot(s), outline(o), workMode(mode) {}
    SlotWork(EditorState& editor, ViewState& view) : SlotWork(editor.slot, view.outline, editor.workMode) {}
};

}  // namespace quirvo
