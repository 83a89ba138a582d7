#include "core/document/clue_list.h"

#include <algorithm>

#include "core/grid/numbering.h"

namespace quirvo {

std::vector<Clue> cluesOf(const Grid& grid, const Definitions& definitions, Direction direction) {
    const std::vector<int> numbers = numberCells(grid);
    std::vector<Clue> clues;
    for (const Slot& s : slotsOf(grid)) {
        if (s.direction != direction) continue;
        const Definition* d = definitions.find(SlotKey::of(s));
        clues.push_back({s, numbers[static_cast<size_t>(s.row) * grid.colCount + s.col], d ? d->text : ""});
    }
    std::sort(clues.begin(), clues.end(), [](const Clue& a, const Clue& b) { return a.number < b.number; });
    return clues;
}

}  // namespace quirvo
