#pragma once

#include <optional>
#include <string>

#include "core/dictionary/crossing_trial.h"
#include "core/editing/search_outcome.h"

namespace quirvo {

// What one step leaves on status panels 2 to 4 (unset: as it was) and how
// many beeps it sounds; shared by the window and the command line.
struct PanelTexts {
    std::optional<std::string> panel2, panel3, panel4;
    int beeps = 0;
};

PanelTexts searchPanels(const SearchStep& step);
PanelTexts commandPanels(const CommandStep& step);
PanelTexts crossingPanels(const CrossingOutcome& outcome);

// Panel 2 while a letter is on trial: " incrocio X ".
std::string crossingLetterText(char letter);

}  // namespace quirvo
