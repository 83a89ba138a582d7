#pragma once

#include <vector>

#include "core/grid/slot.h"

class QPainter;

namespace quirvo {

struct GridGeometry;

// What the grid check lays over the picture: never part of the grid, so
// nothing of it is saved or enters the history.
struct CheckMarks {
    struct Forced {
        int row = 0, col = 0;
        char letter = 0;
    };
    std::vector<std::pair<int, int>> deadCells;  // (row, col): no letter fits them
    std::vector<Slot> emptySlots;                // no word fits them
    std::vector<Forced> forced;                  // empty cells that only one letter fits

    bool empty() const { return deadCells.empty() && emptySlots.empty() && forced.empty(); }
};

// The violet tint and hatching of dead cells, laid over the painted grid.
void paintDeadCells(QPainter& p, const CheckMarks& marks, const GridGeometry& at);
// The dashed violet outlines of empty slots and the small grey forced letters.
void paintCheckOverlay(QPainter& p, const CheckMarks& marks, const GridGeometry& at, double letterPoints);

}  // namespace quirvo
