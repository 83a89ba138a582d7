#pragma once

#include <QString>
#include <vector>

#include "core/document/definitions.h"
#include "core/files/grid_file.h"

namespace quirvo {

// Reads the grid file at path; a file that cannot be read or is not a grid
// comes back with an Italian error text and an empty grid.
GridFileRead readGridPath(const QString& path);

// The definitions kept beside the grid file at gridPath: none when there is
// no companion; a damaged or unreadable one gives no definitions and an
// Italian warning, and is left on disk as it is.
struct CompanionRead {
    std::vector<Definition> definitions;
    QString warning;
};
CompanionRead readCompanionPath(const QString& gridPath);

// Writes the grid to path and its definitions to the companion beside it,
// each through a temporary file renamed over the old one only when both are
// written, so the previous files survive any failure. Without definitions
// an old companion is removed, lest it give back stale ones. Returns an
// Italian error text, or an empty string when everything is safely on disk.
QString saveGridPath(const QString& path, const Grid& grid, const Definitions& definitions);

}  // namespace quirvo
