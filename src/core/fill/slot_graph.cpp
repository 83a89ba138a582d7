#include "core/fill/slot_graph.h"

namespace quirvo {

SlotGraph slotGraph(const Grid& grid) {
    SlotGraph g;
    g.rows = grid.rowCount;
    g.cols = grid.colCount;
    g.slots = slotsOf(grid);
    g.cells.assign(size_t(g.rows) * size_t(g.cols), {});
    for (size_t s = 0; s < g.slots.size(); ++s) {
        const Slot& slot = g.slots[s];
        const int side = slot.direction == Direction::Across ? 0 : 1;
        for (int i = 0; i < slot.length; ++i)
            g.cells[size_t(g.cellIndex(slot.rowOf(i), slot.colOf(i)))][size_t(side)] = {int(s), i};
    }
    g.crossings.resize(g.slots.size());
    for (size_t s = 0; s < g.slots.size(); ++s) {
        const Slot& slot = g.slots[s];
        const int other = slot.direction == Direction::Across ? 1 : 0;
        for (int i = 0; i < slot.length; ++i)
            g.crossings[s].push_back(g.cells[size_t(g.cellIndex(slot.rowOf(i), slot.colOf(i)))][size_t(other)]);
    }
    return g;
}

}  // namespace quirvo
