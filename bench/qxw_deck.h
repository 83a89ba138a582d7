#pragma once

#include <string>

#include "core/grid/grid.h"
#include "core/grid/slot.h"

namespace quirvo::bench {

// The grid as a deck for Qxw's batch filler (`qxw -b -d LIST DECK`): one
// line per slot naming its cells, a cell shared by two slots named alike,
// so Qxw fills the same slots as QUIRVO (every run of two or more cells).
// Qxw's batch mode refuses repeated words by default, as our fill does.
// Letters already in the grid are not passed on: the comparison grids are
// empty, and an empty string says a grid cannot be compared.
inline std::string qxwDeck(const Grid& grid) {
    std::string deck;
    for (const Slot& slot : slotsOf(grid)) {
        for (int i = 0; i < slot.length; ++i) {
            if (grid.cell(slot.rowOf(i), slot.colOf(i)) != '?') return {};
            deck += (i ? " r" : "r") + std::to_string(slot.rowOf(i)) + "c" + std::to_string(slot.colOf(i));
        }
        deck += "\n";
    }
    return deck;
}

}  // namespace quirvo::bench
