#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quirvo {

// Grid limits enforced by the size dialog and by the grid file reader.
inline constexpr int MIN_ROWS = 2;
inline constexpr int MAX_ROWS = 25;
inline constexpr int MIN_COLS = 2;
inline constexpr int MAX_COLS = 35;
inline constexpr int MAX_CELLS = 875;

bool sizeWithinLimits(int rows, int cols);

// The crossword under construction: rowCount + 1 row strings, the last one
// outside the grid, each row colCount cell codes long.
struct Grid {
    int16_t rowCount = 0;
    int16_t colCount = 0;
    int16_t maxWordLen = 0;
    std::vector<std::string> gridRows;

    static Grid blank(int rows, int cols);

    bool exists() const { return rowCount > 0 && colCount > 0; }
    bool inside(int row, int col) const {
        return row >= 0 && col >= 0 && row < rowCount && col < colCount;
    }
    // A cell past the end of a short row reads as '\0' and is shown blank.
    char cell(int row, int col) const;
    bool isBlack(int row, int col) const;
    // Replaces one character in place; a write outside the row is dropped.
    void setCell(int row, int col, char code);
};

}  // namespace quirvo
