#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quirvo {

// A currency as the Italian locale names it, and how many people use it
// today (0: no country does any more).
struct CldrCurrency {
    std::string name, plural;  // "real brasiliano", "real brasiliani"
    double users = 0;
};

// An emoji's short name and its key words as the Italian annotations
// write them: "cane", {"animale", "cane", "cucciolo"}.
struct CldrAnnotation {
    std::string name;
    std::vector<std::string> keywords;
};

// What the Unicode CLDR data tells in Italian: the names of countries and
// languages (common/main/it.xml: <territory type="FR">Francia</territory>,
// <language type="en">inglese</language>) and of currencies, keyed by code,
// alternative names (alt="short", alt="variant") left out; the names of
// subdivisions (common/subdivisions/it.xml: "usia" Iowa); the emoji
// annotations (common/annotations/it.xml); and from the
// supplemental data (supplemental/supplementalData.xml) the country where
// most people speak each language and the currencies still in use.
struct CldrNames {
    std::map<std::string, std::string> territories, languages, subdivisions;
    std::map<std::string, CldrCurrency> currencies;
    std::map<std::string, std::string> languageHomes;  // "ta": "IN"
    std::vector<CldrAnnotation> annotations;
};

// The documents read one after the other; nothing when one of them is not
// well-formed XML.
std::optional<CldrNames> readCldrNames(const std::vector<std::string_view>& documents);

}  // namespace quirvo
