#pragma once

#include <array>

#include "core/dictionary/dictionary.h"
#include "core/fill/editor_rules.h"

namespace quirvo {

// What "Opzioni di Riempimento" sets for "Riempi Schema" and "Riempi
// Parola"; kept between runs (UserSettings reads and writes every field). A
// fill never repeats a word, so that is no option.
struct FillSettings {
    static constexpr int DEFAULT_SECONDS = 60;
    int seconds = DEFAULT_SECONDS;
    bool improve = false;  // keep searching until the time limit for a cheaper fill
    // By dictionary slot (index 0 unused): the fill may use a slot that is
    // both active and allowed here.
    std::array<bool, SEARCHABLE_SLOTS + 1> allowed{false, true, true, true, true, true, true};
    // "Regole della Rivista": only words a magazine prints, at least this
    // familiar, none of the setter's banned words.
    bool rules = true;
    int minFamiliarity = FAMILIARITY_ALL;
};

}  // namespace quirvo
