#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/facts/affix_rules.h"
#include "core/facts/cldr_names.h"
#include "core/facts/english_words.h"
#include "core/facts/first_names.h"
#include "core/facts/iso_codes.h"
#include "core/facts/italian_places.h"

namespace quirvo {

// The bytes of every source the word facts and nomi.dic are made from.
struct FactsSources {
    std::string hunspellAff, hunspellDic, wordList;       // hunspell-it, witalian
    std::string verbs, nouns, adjectives;                 // morph-it tables (npm)
    std::string subtitleRanks, wikipediaRanks;            // frequency lists (npm)
    std::string firstNames, lastNames;                    // (npm)
    std::string cityJs, provinceJs, regionJs;             // ISTAT towns (npm)
    std::string iso3166_1, iso3166_2, iso639_2;           // iso-codes
    std::string cldrItalian, cldrSubdivisions, cldrAnnotations;  // CLDR it.xml (3)
    std::string cldrSupplemental;                                // CLDR supplementalData.xml
    std::string englishIndex, englishDict;                       // FreeDict eng-ita (.dict.dz as it is)
    std::string functionWords, auxiliaries;               // committed lists of data/
    std::string capitals, regionCapitals, elements, abbreviations, nameGenders, truncations;
};

using KeyedList = std::vector<std::pair<std::string, std::string>>;

// The sources read, but for the big tables that only the facts need.
struct ReadSources {
    std::vector<HunspellStem> stems;
    std::vector<std::string> subtitles, wikipedia, surnames;
    std::vector<FirstName> firstNames;  // those a second source supports
    size_t firstNamesListed = 0;
    ItalianPlaces places;
    CldrNames cldr;
    std::vector<IsoCountry> countries;
    std::vector<IsoLanguage> languages;
    std::map<std::string, std::string> isoProvinces;
    std::vector<EnglishWord> english;
    KeyedList capitals, regionCapitals, elements, abbreviations;
};

// Reads the sources; nothing, with what failed in `error`, when one of
// them is not what it should be.
std::optional<ReadSources> readSources(const FactsSources& sources, std::string& error);

}  // namespace quirvo
