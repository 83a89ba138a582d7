#pragma once

#include <ostream>

#include "core/dictionary/crossing_trial.h"
#include "core/editing/search_outcome.h"

namespace quirvo::cli {

// What the search and cross verbs print: one JSON object
// {"lines": [...], "panel2": "...", "panel3": "..."} holding the result
// list's lines and the status panels as the window shows them after the
// outcome; list lines are the dictionaries' single-byte text, panel texts
// UTF-8, and all come out UTF-8.
void printSearch(std::ostream& out, const SearchOutcome& outcome);
void printCrossing(std::ostream& out, const CrossingOutcome& outcome);

}  // namespace quirvo::cli
