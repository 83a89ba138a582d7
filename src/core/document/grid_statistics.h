#pragma once

#include <map>

#include "core/document/definitions.h"
#include "core/grid/grid.h"

namespace quirvo {

// The figures a setter checks on a grid: its words, how long they are, its
// black cells, the white cells that only one word (or none) runs through,
// and how many words already have a definition.
struct GridStatistics {
    int words = 0;
    std::map<int, int> wordsByLength;  // length -> words
    int cells = 0;
    int blackCells = 0;
    int uncrossedCells = 0;  // white cells not in both an across and a down word
    int definedWords = 0;

    double blackShare() const { return cells ? static_cast<double>(blackCells) / cells : 0; }
};

GridStatistics gridStatistics(const Grid& grid, const Definitions& definitions);

}  // namespace quirvo
