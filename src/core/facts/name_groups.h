#pragma once

#include <string>
#include <vector>

#include "core/dictionary/word_kind.h"
#include "core/facts/fact_sources.h"

namespace quirvo {

// A proper name or a sigla with what it stands for, and the least
// familiarity of its group.
struct GroupEntry {
    std::string written;  // as Italian writes it: "Reggio Emilia", "Andrea", "RM"
    NoteGroup group = NoteGroup::Town;
    std::string note;     // UTF-8; "" when the sources tell nothing
    int familiarity = 0;
};

// The least familiarity of a name of each group (regions and countries are
// known to every reader, a small town to few) and of each sigla.
inline constexpr int REGION_FAMILIARITY = 60, COUNTRY_FAMILIARITY = 60, PROVINCE_FAMILIARITY = 50,
                     PROVINCIAL_CAPITAL_FAMILIARITY = 50, CAPITAL_FAMILIARITY = 40, TOWN_FAMILIARITY = 10,
                     FIRST_NAME_FAMILIARITY = 20;
// A country or language code is at most as familiar as its group's cap,
// and no more than its name less CODE_DISTANCE: ITA is known, LBR (Liberia)
// and FIJ (figiano) are not; never below its group's floor.
inline constexpr int PROVINCE_CODE_FAMILIARITY = 50, TWO_LETTER_CODE_FAMILIARITY = 40,
                     COUNTRY_CODE3_FAMILIARITY = 35, LANGUAGE_CODE3_FAMILIARITY = 30,
                     BARE_CODE3_FAMILIARITY = 10, ELEMENT_FAMILIARITY = 40, ABBREVIATION_FAMILIARITY = 45;
inline constexpr int CODE_DISTANCE = 20, TWO_LETTER_CODE_FLOOR = 20, CODE3_FLOOR = 10;

// Towns (the note: their province), provinces (their region), regions
// (their chief town), countries in Italian (their capital), capitals
// (their country), first names (the name) and surnames, in this order.
std::vector<GroupEntry> nameEntries(const ReadSources& sources);

// Province codes (the province), country codes (the country in Italian),
// language codes (the language; a three-letter code only when the language
// has a two-letter one too), element symbols and abbreviations.
std::vector<GroupEntry> siglaEntries(const ReadSources& sources);

// The elements' names with their symbols as chemistry writes them (cadmio:
// Cd), one-letter symbols too; notes only, the names are words already.
std::vector<GroupEntry> elementNames(const ReadSources& sources);

}  // namespace quirvo
