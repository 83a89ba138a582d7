#pragma once

#include <QString>

#include "core/document/grid_statistics.h"

namespace quirvo {

// The statistics as the header of the definitions panel shows them, in
// Italian, one figure a line.
QString statisticsText(const GridStatistics& st);

}  // namespace quirvo
