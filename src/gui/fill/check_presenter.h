#pragma once

#include <QString>

#include "core/dictionary/word_table.h"
#include "gui/fill/insight_report.h"
#include "gui/display/check_marks.h"

namespace quirvo {

// Turns the engine's insight into what the window shows: the marks on the
// picture, the check panel's text and the tool tip of a cell.
CheckMarks checkMarks(const InsightReport& report);

// " nessun conflitto ", " 3 caselle senza soluzione " or " schema bloccato ".
QString checkPanelText(const InsightReport& report);

// The candidates of the across and down slot through a white cell and the
// letters it still allows; empty for a black cell or one outside the grid.
QString cellToolTip(const WordTable& table, DictMask active, const Grid& grid, const InsightReport& report,
                    int row, int col);

}  // namespace quirvo
