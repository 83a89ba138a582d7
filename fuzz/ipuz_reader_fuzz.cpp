// Any bytes given to the ipuz reader either are refused with a message and
// an empty puzzle, or give a grid within the limits that writes back to an
// ipuz file the reader accepts again with the same grid and definitions.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/formats/ipuz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const quirvo::IpuzRead read = quirvo::readIpuz(bytes);
    if (!read.ok()) {
        if (read.puzzle.grid.exists() || !read.puzzle.definitions.empty()) std::abort();
        return 0;
    }
    const quirvo::Grid& g = read.puzzle.grid;
    if (!quirvo::sizeWithinLimits(g.rowCount, g.colCount)) std::abort();
    const quirvo::IpuzRead again = quirvo::readIpuz(quirvo::writeIpuz(read.puzzle));
    if (!again.ok() || again.puzzle.grid.gridRows != g.gridRows) std::abort();
    if (again.puzzle.definitions.attached() != read.puzzle.definitions.attached()) std::abort();
    return 0;
}
