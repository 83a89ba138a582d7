#pragma once

#include <optional>
#include <random>

#include "core/grid/grid.h"
#include "core/schema/structure.h"

namespace quirvo {

// The start as a schema must keep it: its letters and black cells, and
// under a symmetry the partners of its black cells black too; every other
// cell empty. None when a black cell's partner is a fixed letter.
std::optional<Grid> schemaBase(const Grid& start, Symmetry symmetry);

// Whether a cell of a grid under work may turn black, with its partner:
// neither holds a letter of the start, and no 2 x 2 square of black cells
// would appear. Base cells are the start's; the grid may hold letters of
// its own, which black cells may replace.
bool mayBlacken(const Grid& grid, const Grid& base, Symmetry symmetry, int row, int col);

// A random pattern over the base: black cells break every run of white
// cells longer than maxRun, where they can, into runs of two cells or
// more. None when the result is no schema's pattern.
std::optional<Grid> randomPattern(const Grid& base, Symmetry symmetry, int maxRun, std::mt19937_64& rng);

}  // namespace quirvo
