#include "core/facts/name_groups.h"
#include "core/facts/world_names.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quirvo {
namespace {

const GroupEntry* find(const std::vector<GroupEntry>& entries, std::string_view written, NoteGroup group) {
    const auto at = std::find_if(entries.begin(), entries.end(),
                                 [&](const GroupEntry& e) { return e.written == written && e.group == group; });
    return at == entries.end() ? nullptr : &*at;
}

TEST(NameGroups, FirstNamesNeedASecondSourceAndGetAGender) {
    NameSupport support;
    support.proper = {"ANDREA", "ROSA", "BEATRICE"};
    support.frequent = {"GIULIA", "CANE", "ROSA", "MICHELE", "IRENE"};
    support.common = {"CANE", "ROSA"};
    const std::map<std::string, NoteGroup> exceptions{{"ANDREA", NoteGroup::MaleName}, {"IRENE", NoteGroup::FemaleName}};
    const auto kept = supportedFirstNames({"aandrea", "andrea", "giulia", "cane", "rosa", "michele", "beatrice",
                                           "irene", "andrea", "zzorro"},
                                          support, exceptions);
    std::vector<std::string> words;
    for (const FirstName& n : kept) words.push_back(n.word + (n.gender == NoteGroup::MaleName ? "/M" : "/F"));
    EXPECT_EQ(words, (std::vector<std::string>{"ANDREA/M", "GIULIA/F", "ROSA/F", "MICHELE/M", "BEATRICE/F",
                                               "IRENE/F"}));
    EXPECT_EQ(kept[0].written, "Andrea");
}

TEST(NameGroups, PlacesCountriesAndSigleWithWhatTheyStandFor) {
    ReadSources s;
    s.places.towns = {{"Pesaro", "Pesaro e Urbino", "Marche"}, {"Andria", "Barletta-Andria-Trani", "Puglia"},
                      {"Fano", "Pesaro e Urbino", "Marche"}};
    s.places.provinces = {{"Pesaro e Urbino", "PU", "Marche"}, {"Aosta", "AO", "Valle d'Aosta"}};
    s.places.regions = {"Marche"};
    s.regionCapitals = {{"Marche", "Ancona"}};
    s.countries = {{"IT", "ITA"}, {"AQ", "ATA"}};
    s.capitals = {{"IT", "Roma"}};
    s.cldr.territories = {{"IT", "Italia"}, {"AQ", "Antartide"}};
    s.cldr.languages = {{"de", "tedesco"}};
    s.languages = {{"DE", "DEU", "GER"}, {"", "ACE", ""}};
    s.isoProvinces = {{"PU", "Pesaro e Urbino"}};
    s.abbreviations = {{"ECC", "eccetera"}};
    s.elements = {{"CD", "cadmio"}, {"V", "vanadio"}};
    s.wikipedia = {"di", "italia", "tedesco"};
    s.subtitles = {"tedesco"};
    const auto names = nameEntries(s);
    EXPECT_EQ(find(names, "Pesaro", NoteGroup::Town)->familiarity, PROVINCIAL_CAPITAL_FAMILIARITY);
    EXPECT_EQ(find(names, "Andria", NoteGroup::Town)->familiarity, PROVINCIAL_CAPITAL_FAMILIARITY);
    EXPECT_EQ(find(names, "Fano", NoteGroup::Town)->familiarity, TOWN_FAMILIARITY);
    EXPECT_EQ(find(names, "Fano", NoteGroup::Town)->note, "Pesaro e Urbino");
    EXPECT_EQ(find(names, "Marche", NoteGroup::Region)->note, "Ancona");
    EXPECT_EQ(find(names, "Italia", NoteGroup::Country)->note, "Roma");
    EXPECT_EQ(find(names, "Antartide", NoteGroup::Country)->note, "");
    EXPECT_EQ(find(names, "Roma", NoteGroup::Capital)->note, "Italia");

    const auto sigle = siglaEntries(s);
    EXPECT_EQ(find(sigle, "AO", NoteGroup::ProvinceCode)->note, "Aosta");  // from the ISTAT data
    // A code is as familiar as its name allows: Italia is ranked, Antartide is not.
    EXPECT_EQ(find(sigle, "ITA", NoteGroup::CountryCode)->familiarity, COUNTRY_CODE3_FAMILIARITY);
    EXPECT_EQ(find(sigle, "ATA", NoteGroup::CountryCode)->familiarity, CODE3_FLOOR);
    EXPECT_EQ(find(sigle, "AQ", NoteGroup::CountryCode)->familiarity, TWO_LETTER_CODE_FLOOR);
    EXPECT_EQ(find(sigle, "GER", NoteGroup::LanguageCode)->familiarity, LANGUAGE_CODE3_FAMILIARITY);
    EXPECT_EQ(find(sigle, "GER", NoteGroup::LanguageCode)->note, "tedesco");
    EXPECT_EQ(find(sigle, "ACE", NoteGroup::LanguageCode)->note, "");  // no two-letter code: no clue
    EXPECT_EQ(find(sigle, "ACE", NoteGroup::LanguageCode)->familiarity, BARE_CODE3_FAMILIARITY);
    EXPECT_EQ(find(sigle, "ECC", NoteGroup::Abbreviation)->note, "eccetera");
    EXPECT_EQ(find(sigle, "CD", NoteGroup::Element)->note, "cadmio");
    EXPECT_EQ(find(sigle, "V", NoteGroup::Element), nullptr);  // one letter is no entry
    const auto elements = elementNames(s);
    EXPECT_EQ(find(elements, "cadmio", NoteGroup::ElementName)->note, "Cd");
    EXPECT_EQ(find(elements, "vanadio", NoteGroup::ElementName)->note, "V");
}

TEST(NameGroups, CurrenciesLanguagesAndSubdivisionsOfTheWorld) {
    ReadSources s;
    s.cldr.territories = {{"IN", "India"}};
    s.cldr.languages = {{"ta", "tamil"}, {"en", "inglese"}, {"gsw", "tedesco svizzero"}};
    s.cldr.languageHomes = {{"ta", "IN"}, {"gsw", "CH"}};
    s.cldr.currencies = {{"CAD", {"dollaro canadese", "dollari canadesi", 38}},
                         {"DEM", {"marco tedesco", "marchi tedeschi", 0}},
                         {"EUR", {"euro", "euro", 300}},
                         {"USD", {"dollaro statunitense", "dollari statunitensi", 330}}};
    s.cldr.subdivisions = {{"usia", "Iowa"}, {"usdc", "Distretto di Columbia"}, {"chur", "Canton Uri"},
                           {"frbre", "Bretagna"}};
    s.cldr.annotations = {{"carota", {"carota", "cibo", "ortaggio"}},
                          {"mela rossa", {"frutta", "mela", "rossa"}},
                          {"palla da tennis", {"palla", "sport", "tennis"}},
                          {"animale", {"animale", "zampa"}}};
    s.english = {{"time", "tempo"}};
    std::vector<std::string> notes;
    for (const GroupEntry& e : worldNames(s))
        notes.push_back(e.written + " " + std::string(noteGroupKey(e.group)) + " " + e.note);
    EXPECT_EQ(notes, (std::vector<std::string>{
                         "dollaro currency dollaro statunitense", "dollari currency_plural dollaro statunitense",
                         "dollaro currency dollaro canadese", "dollari currency_plural dollaro canadese",
                         "marco former_currency marco tedesco", "tamil language_name India",
                         "Uri subdivision CH", "Iowa subdivision US", "carota category ortaggio",
                         "carota category cibo", "mela category frutto", "time english tempo"}));
}

}  // namespace
}  // namespace quirvo
