// Any bytes given to the grid file reader either are refused with a message
// or give a grid within the limits whose every row is full and which writes
// back to bytes the reader accepts again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/files/grid_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const quirvo::GridFileRead read = quirvo::readGridFile(bytes);
    if (!read.ok()) {
        if (read.grid.rowCount != 0 || !read.grid.gridRows.empty()) std::abort();
        return 0;
    }
    const quirvo::Grid& g = read.grid;
    if (!quirvo::sizeWithinLimits(g.rowCount, g.colCount)) std::abort();
    if (g.gridRows.size() != static_cast<size_t>(g.rowCount) + 1) std::abort();
    for (int r = 0; r < g.rowCount; ++r)
        if (g.gridRows[r].size() != static_cast<size_t>(g.colCount)) std::abort();
    const std::string written = quirvo::writeGridFile(g);
    const quirvo::GridFileRead again = quirvo::readGridFile(written);
    if (!again.ok() || again.grid.gridRows != g.gridRows) std::abort();
    return 0;
}
