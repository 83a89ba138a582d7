#pragma once

#include <QPixmap>

#include "core/grid/grid.h"

namespace quirvo {

// A small picture of a schema's black cells, at most `side` pixels on its
// longer side, for a list of proposals.
QPixmap proposalPicture(const Grid& grid, int side, qreal devicePixelRatio);

}  // namespace quirvo
