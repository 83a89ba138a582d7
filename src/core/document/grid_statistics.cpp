#include "core/document/grid_statistics.h"

#include <vector>

#include "core/grid/slot.h"

namespace quirvo {

GridStatistics gridStatistics(const Grid& grid, const Definitions& definitions) {
    GridStatistics st;
    st.cells = grid.rowCount * grid.colCount;
    std::vector<int> across(static_cast<size_t>(st.cells), 0), down(across);
    for (const Slot& s : slotsOf(grid)) {
        ++st.words;
        ++st.wordsByLength[s.length];
        if (definitions.find(SlotKey::of(s))) ++st.definedWords;
        std::vector<int>& runs = s.direction == Direction::Across ? across : down;
        for (int i = 0; i < s.length; ++i) runs[static_cast<size_t>(s.rowOf(i)) * grid.colCount + s.colOf(i)] = 1;
    }
    for (int r = 0; r < grid.rowCount; ++r) {
        for (int c = 0; c < grid.colCount; ++c) {
            const size_t i = static_cast<size_t>(r) * grid.colCount + c;
            if (grid.isBlack(r, c))
                ++st.blackCells;
            else if (!across[i] || !down[i])
                ++st.uncrossedCells;
        }
    }
    return st;
}

}  // namespace quirvo
