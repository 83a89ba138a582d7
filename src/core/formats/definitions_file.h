#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/definitions.h"
#include "core/grid/grid.h"

namespace quirvo {

// Far more than the definitions of the largest grid; a larger companion is
// refused before it is split into lines.
inline constexpr std::size_t MAX_DEFINITIONS_FILE_BYTES = 4 * 1024 * 1024;
inline constexpr std::size_t MAX_DEFINITION_BYTES = 2000;

// The companion "schema.qrv.def" of a grid file: UTF-8 text, one line per
// definition (direction O or V, number or "-" for an orphan, row, column,
// letters, text), tab-separated. docs/definitions-format.md describes it.
std::string writeDefinitionsFile(const Grid& grid, const Definitions& definitions);

// The definitions of a companion, or an Italian description of the first
// fault (and then no definitions at all).
struct DefinitionsFileRead {
    std::vector<Definition> definitions;
    std::string error;
    bool ok() const { return error.empty(); }
};

DefinitionsFileRead readDefinitionsFile(std::string_view bytes);

// The companion's path for a grid file's path, and whether a path is one.
inline constexpr std::string_view DEFINITIONS_SUFFIX = ".def";
inline std::string definitionsPathFor(const std::string& gridPath) { return gridPath + std::string(DEFINITIONS_SUFFIX); }
inline bool isDefinitionsPath(std::string_view path) { return path.ends_with(DEFINITIONS_SUFFIX); }

}  // namespace quirvo
