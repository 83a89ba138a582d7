#include "core/grid/numbering.h"

#include "core/grid/slot.h"

namespace quirvo {

std::vector<int> numberCells(const Grid& grid) {
    std::vector<int> numbers(static_cast<size_t>(grid.rowCount) * grid.colCount, 0);
    std::vector<bool> starts(numbers.size(), false);
    for (const Slot& s : slotsOf(grid)) starts[static_cast<size_t>(s.row) * grid.colCount + s.col] = true;
    int n = 0;
    for (size_t i = 0; i < numbers.size(); ++i)
        if (starts[i]) numbers[i] = ++n;
    return numbers;
}

}  // namespace quirvo
