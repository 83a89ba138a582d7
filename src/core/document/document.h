#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/document/definitions.h"
#include "core/grid/change_history.h"
#include "core/grid/grid.h"

namespace quirvo {

// The crossword as the user edits and saves it: the grid, the history of
// its changes, the file it was read from or saved to ("" for a new grid)
// and whether it changed since, and the setter's definitions of its words,
// keyed by slot.
struct Document {
    Grid grid;
    Definitions definitions;
    ChangeHistory history;
    std::string filePath;
    int16_t gridModified = 0;
};

struct CellWrite {
    int row = 0, col = 0;
    char code = 0;
};

struct WriteOutcome {
    RecordOutcome record;  // accepted if any write was; reset if any reset the history
    std::vector<std::pair<int, int>> changedCells;  // (row, col) whose code changed
};

// The one way the user's edits reach the cells: aggior for each write in
// turn; an accepted change marks the document modified.
WriteOutcome writeCells(Document& document, const std::vector<CellWrite>& writes);
// The same writes as one change group of a single triple, whatever their
// number (a fill of the whole grid): one undo takes them all back.
WriteOutcome writeAllCells(Document& document, const std::vector<CellWrite>& writes);

// The writes that turn one grid into another of the same size.
std::vector<CellWrite> changedCells(const Grid& from, const Grid& to);

}  // namespace quirvo
