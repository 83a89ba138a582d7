#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/grid/grid.h"

namespace quirvo {

// A valid grid file of the largest size is about 1 KB; anything much larger
// is refused before it is read into memory.
inline constexpr std::size_t MAX_GRID_FILE_BYTES = 64 * 1024;

// The bytes of a grid file: "rows,cols" and then one quoted row per line,
// every line ended by CR LF. Only rows 0..rowCount-1 are written.
std::string writeGridFile(const Grid& grid);

// What the reader made of a file: the grid, or an Italian description of
// the first fault found (and then grid is left empty).
struct GridFileRead {
    Grid grid;
    std::string error;
    bool ok() const { return error.empty(); }
};

// Reads what writeGridFile writes. Tolerated: LF alone as line end, a
// missing final line end, blank lines after the last row, and rows shorter
// than the column count (padded with empty cells). Everything else that
// does not fit the format is refused: sizes outside the limits, missing or
// extra rows, unquoted rows, rows too long, cell codes other than "?",
// the block byte 16, "@" and the letters A-Z (a-z are read as A-Z).
GridFileRead readGridFile(std::string_view bytes);

// Appends ".qrv" unless the path already ends in ".qrv" or ".QRV" (exactly).
std::string withGridExtension(std::string path);

}  // namespace quirvo
