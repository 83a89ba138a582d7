#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/definitions.h"
#include "core/files/grid_file.h"
#include "core/formats/definitions_file.h"

namespace quirvo {

// A copy of a document with unsaved changes, kept so that a crash or a cut
// of the power loses none of them: the grid, its definitions, the file it
// belongs to ("" for a grid never saved) and when the copy was made.
struct RecoveryCopy {
    std::string filePath;  // UTF-8
    int64_t madeAt = 0;    // seconds since 1970-01-01 UTC
    Grid grid;
    std::vector<Definition> definitions;
};

inline constexpr std::size_t MAX_RECOVERY_PATH_BYTES = 4096;
inline constexpr std::size_t MAX_RECOVERY_FILE_BYTES =
    MAX_GRID_FILE_BYTES + MAX_DEFINITIONS_FILE_BYTES + MAX_RECOVERY_PATH_BYTES + 256;

// The bytes of a recovery file: a first line naming the format, the time,
// then the path, the grid file's bytes and the definitions file's bytes,
// each after a line giving its length, so any byte may stand in them.
std::string writeRecoveryFile(const std::string& filePath, int64_t madeAt, const Grid& grid,
                              const Definitions& definitions);

// The copy, or an Italian description of what is wrong with the file.
struct RecoveryFileRead {
    RecoveryCopy copy;
    std::string error;
    bool ok() const { return error.empty(); }
};

RecoveryFileRead readRecoveryFile(std::string_view bytes);

}  // namespace quirvo
