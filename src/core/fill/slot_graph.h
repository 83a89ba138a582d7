#pragma once

#include <array>
#include <vector>

#include "core/grid/grid.h"
#include "core/grid/slot.h"

namespace quirvo {

// The slots of a grid and where they cross, as the check and the fill
// propagate letters from slot to slot.
struct SlotGraph {
    // A slot and a position in it; slot -1 for none.
    struct Link {
        int slot = -1;
        int position = 0;
    };
    int rows = 0, cols = 0;
    std::vector<Slot> slots;                // in slotsOf order
    std::vector<std::vector<Link>> crossings;  // [slot][position]: the other slot through that cell
    std::vector<std::array<Link, 2>> cells;    // [row * cols + col]: its across and its down slot

    int cellIndex(int row, int col) const { return row * cols + col; }
    bool inSlot(int cell) const { return cells[size_t(cell)][0].slot >= 0 || cells[size_t(cell)][1].slot >= 0; }
};

SlotGraph slotGraph(const Grid& grid);

}  // namespace quirvo
