#pragma once

#include "core/dictionary/word_table.h"
#include "core/grid/grid.h"
#include "core/schema/schema_options.h"

namespace quirvo {

// Places the black cells of a schema libero and fills it: from the start
// (its size, the letters and black cells the setter has fixed, which stay;
// a blank grid for a free schema), complete grids whose white cells each
// lie in a slot and are all connected, with no 2 x 2 square of black cells
// and the symmetry asked for, every slot a word of the active dictionaries
// (that the rules accept), no word twice, at most the share of black cells
// allowed. It keeps looking for fewer black cells, then for cheaper words,
// until the time, the attempts or the stop flag end it, and answers the
// best schemas it found.
SchemaResult generateSchema(const WordTable& table, const Grid& start, const SchemaOptions& options);

}  // namespace quirvo
