// Any bytes given to the definitions companion reader either are refused
// with a message and no definitions, or give definitions that, attached to
// a grid and written, read back to the same definitions.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/formats/definitions_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const quirvo::DefinitionsFileRead read = quirvo::readDefinitionsFile(bytes);
    if (!read.ok()) {
        if (!read.definitions.empty()) std::abort();
        return 0;
    }
    const quirvo::Grid grid = quirvo::Grid::blank(quirvo::MAX_ROWS, quirvo::MAX_COLS / 2);
    quirvo::Definitions defs;
    defs.assign(grid, read.definitions);
    const quirvo::DefinitionsFileRead again = quirvo::readDefinitionsFile(quirvo::writeDefinitionsFile(grid, defs));
    if (!again.ok()) std::abort();
    quirvo::Definitions back;
    back.assign(grid, again.definitions);
    if (!(back == defs)) std::abort();
    return 0;
}
