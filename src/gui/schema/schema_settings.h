#pragma once

#include "core/schema/structure.h"

namespace quirvo {

// What "Genera Schema Libero..." asks for; it lasts for the run, like the
// fill options.
struct SchemaSettings {
    static constexpr int DEFAULT_SECONDS = 60;
    int rows = 13, cols = 13;  // of a blank start
    bool fromCurrent = false;  // the current grid as the start: its letters and black cells stay
    double blackPercent = 100.0 / 6;  // of the cells, at most
    Symmetry symmetry = Symmetry::None;
    int seconds = DEFAULT_SECONDS;
    bool rules = true;  // the editor's rules, when the word facts are there
};

}  // namespace quirvo
