#pragma once

#include <string>
#include <vector>

#include "core/editing/slot_take.h"
#include "core/session.h"
#include "dictionary_builders.h"

namespace quirvo::testing {

// A session with the given dictionaries and a row slot taken over cells
// 0..pattern.size()-1 of row 0, as a click leaves it before its search.
inline Session slotSession(const std::vector<std::vector<std::string>>& lists, const std::string& pattern,
                           bool accorcia = false) {
    Session s;
    s.installLexicon(dictionarySet(lists));
    s.accorcia = accorcia;
    s.estesa = false;
    s.workMode = 1;
    s.slot = rowSlotOf(pattern);
    s.outline = {0, 0, static_cast<int16_t>(pattern.size()), 1};
    return s;
}

}  // namespace quirvo::testing
