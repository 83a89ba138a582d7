#pragma once

#include "core/presenting/window_effects.h"

namespace quirvo {

class MainWindow;

// Shows what an engine operation asked for: panels, result list, pattern
// label, TEST field, the free-length buttons, the repaint with its red and
// green outlines, and the beeps, in that order.
void applyWindowEffects(MainWindow& w, const WindowEffects& fx);

}  // namespace quirvo
