#pragma once

#include <QString>

#include "core/files/grid_file.h"

namespace quirvo {

// Reads the grid file at path; a file that cannot be read or is not a grid
// comes back with an Italian error text and an empty grid.
GridFileRead readGridPath(const QString& path);

// Writes the grid to path through a temporary file renamed over it, so the
// previous file survives any failure. Returns an Italian error text, or an
// empty string when the grid is safely on disk.
QString saveGridPath(const QString& path, const Grid& grid);

}  // namespace quirvo
