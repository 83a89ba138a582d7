#pragma once

#include <string>
#include <vector>

#include "core/dictionary/crossing_trial.h"
#include "core/dictionary/slot_search.h"

namespace quirvo {

// The result list's line for a slot search hit: blanks for a free head's
// cells before the word, the entry with its last character as it stands in
// the slot, " -" and the dictionary number ("CASA -1", " CAS(AE) -1").
std::string listLine(const SlotHit& hit);

// The lines of a search in the list's ascending byte order.
std::vector<std::string> listLines(const SlotScan& scan);

// The line for a letter that fits a crossing: the letter alone, or with the
// words' shortfall, "O (Oriz.-2 / Vert.-1)".
std::string crossingLine(const LetterTrial& trial);

// The lines of the fitting letters in the list's ascending byte order.
std::vector<std::string> crossingLines(const CrossingOutcome& outcome);

}  // namespace quirvo
