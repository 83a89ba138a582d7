#pragma once

#include <algorithm>
#include <string_view>

// One character per grid cell, exactly as grid files store them.
namespace quirvo {

inline constexpr char EMPTY_CELL = '?';
inline constexpr char BLACK_CELL = '\x10';
// Older grids mark blocks with "@"; the next repaint turns it into BLACK_CELL.
inline constexpr char ALT_BLACK_CELL = '@';

inline bool isLetterCode(char c) { return c >= 'A' && c <= 'Z'; }

// Cells that are all lettered: a whole word.
inline bool allLetters(std::string_view cells) {
    return !cells.empty() && std::all_of(cells.begin(), cells.end(), isLetterCode);
}

}  // namespace quirvo
