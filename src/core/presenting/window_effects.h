#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/view/view_state.h"

namespace quirvo {

// What an engine operation asks the main window to show. Unset fields leave
// their widget as it is; the window applies the fields in the order below.
struct WindowEffects {
    std::optional<std::string> panel1, panel2, panel3, panel4;
    std::optional<std::string> panel2ToolTip;
    // The result list's new lines, already in the list's ascending byte order.
    std::optional<std::vector<std::string>> lists;
    std::optional<std::string> listsToolTip;
    std::optional<std::string> texta;  // caption of the pattern label
    bool clearTextb = false;           // empty the TEST field
    std::optional<bool> commandsEnabled;  // Command1..Command4
    // rinfresca, then evidenzia with redOutline, then the green outline of
    // the freed cells; an operation that repaints drops earlier outlines.
    bool repaint = false;
    std::optional<Outline> redOutline;
    std::optional<Outline> greenOutline;
    int beeps = 0;

    void repaintWithRed(const Outline& red) {
        repaint = true;
        redOutline = red;
        greenOutline.reset();
    }
};

}  // namespace quirvo
