// Any bytes given to the recovery file reader either are refused with a
// message and no grid, or give a copy that writes and reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/formats/recovery_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const quirvo::RecoveryFileRead read = quirvo::readRecoveryFile(bytes);
    if (!read.ok()) {
        if (read.copy.grid.exists() || !read.copy.definitions.empty()) std::abort();
        return 0;
    }
    const quirvo::RecoveryCopy& c = read.copy;
    quirvo::Definitions defs;
    defs.assign(c.grid, c.definitions);
    const quirvo::RecoveryFileRead again =
        quirvo::readRecoveryFile(quirvo::writeRecoveryFile(c.filePath, c.madeAt, c.grid, defs));
    if (!again.ok() || again.copy.filePath != c.filePath || again.copy.madeAt != c.madeAt ||
        again.copy.grid.gridRows != c.grid.gridRows)
        std::abort();
    quirvo::Definitions back;
    back.assign(again.copy.grid, again.copy.definitions);
    if (!(back == defs)) std::abort();
    return 0;
}
