#pragma once

#include <initializer_list>
#include <string>

#include "core/grid/cell_codes.h"
#include "core/grid/grid.h"

namespace quirvo::testing {

// A grid written as rows of text: '#' a black cell, '?' an empty one,
// letters as they are; the grid is as wide as the first row.
template <typename Rows>
Grid asciiGrid(const Rows& rows) {
    Grid g = Grid::blank(static_cast<int>(rows.size()), static_cast<int>(std::string(*rows.begin()).size()));
    int r = 0;
    for (const auto& row : rows) {
        std::string s(row);
        for (char& ch : s)
            if (ch == '#') ch = BLACK_CELL;
        g.gridRows[r++] = s;
    }
    return g;
}

inline Grid asciiGrid(std::initializer_list<const char*> rows) { return asciiGrid<>(rows); }

}  // namespace quirvo::testing
