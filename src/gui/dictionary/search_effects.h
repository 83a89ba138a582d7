#pragma once

#include "core/dictionary/window_effects.h"

namespace quirvo {

class MainWindow;

// Shows what a search, a slot command or a crossing trial asked for:
// panels, result list, pattern label, buttons, repaint and outlines, beeps.
void applyEffects(MainWindow& w, const WindowEffects& effects);

}  // namespace quirvo
