#pragma once

#include <QString>

#include "core/dictionary/word_facts.h"
#include "core/dictionary/word_table.h"
#include "core/fill/word_rules.h"
#include "gui/fill/insight_report.h"
#include "gui/display/check_marks.h"

namespace quirvo {

// Turns the engine's insight into what the window shows: the marks on the
// picture, the check panel's text and the tool tip of a cell.
CheckMarks checkMarks(const InsightReport& report);

// " nessun conflitto ", " 3 caselle senza soluzione " or " schema bloccato ".
QString checkPanelText(const InsightReport& report);

// The candidates of the across and down slot through a white cell (those
// the rules accept, with rules), the letters it still allows, and for a
// slot that reads a whole word, what the word is and how familiar; empty
// for a black cell or one outside the grid.
QString cellToolTip(const WordTable& table, DictMask active, const WordFacts* facts, const WordRules* rules,
                    const Grid& grid, const InsightReport& report, int row, int col);

// "ARA: nome o aggettivo, verbo coniugato; familiarità 40", and when the
// rules refuse the word, why.
QString wordFactsText(const WordFacts& facts, const WordRules* rules, std::string_view word);

}  // namespace quirvo
