// The readers of outside data: the ISTAT places as JavaScript text, CLDR
// XML, iso-codes JSON and the committed lists.
#include <gtest/gtest.h>

#include "core/common/gzip_text.h"
#include "core/facts/cldr_names.h"
#include "core/facts/english_words.h"
#include "core/facts/data_lists.h"
#include "core/facts/iso_codes.h"
#include "core/facts/italian_places.h"

namespace quirvo {
namespace {

constexpr char REGION_JS[] = R"(var Region;
(function (Region) {
    Region["LAZIO"] = "Lazio";
    Region["VALLE_DAOSTA"] = "Valle d'Aosta";
})(Region || (Region = {}));)";

constexpr char PROVINCE_JS[] = R"(    Province["AOSTA"] = "AO";
    Province["ROMA"] = "RM";
exports.REGION_BY_PROVINCE = {
    [Province.AOSTA]: region_1.default.VALLE_DAOSTA,
    [Province.ROMA]: region_1.default.LAZIO,
};
const provinceToString = (province) => {
    switch (province) {
        case Province.AOSTA:
            return 'Aosta';
        case Province.ROMA:
            return "Roma";
)";

constexpr char CITY_JS[] = R"(exports.CITIES_ATTRIBUTES = {
    [City.AGLIE_001001]: {
        region: region_1.default.LAZIO,
        province: province_1.default.ROMA,
        name: 'Agliè',
    },
    [City.SAINT_001]: {
        region: region_1.default.VALLE_DAOSTA,
        province: province_1.default.AOSTA,
        name: "Saint-Rhémy-en-Bosses",
    },
    [City.X]: {
        region: region_1.default.LAZIO,
        province: province_1.default.ROMA,
        name: 'Sant\'Oreste',
    },
};)";

TEST(SourceReaders, ItalianPlacesFromTheScriptsText) {
    const auto places = readItalianPlaces(CITY_JS, PROVINCE_JS, REGION_JS);
    ASSERT_TRUE(places);
    ASSERT_EQ(places->towns.size(), 3u);
    EXPECT_EQ(places->towns[0].name, "Agliè");
    EXPECT_EQ(places->towns[0].province, "Roma");
    EXPECT_EQ(places->towns[1].region, "Valle d'Aosta");
    EXPECT_EQ(places->towns[2].name, "Sant'Oreste");
    ASSERT_EQ(places->provinces.size(), 2u);
    EXPECT_EQ(places->provinces[1].code, "RM");
    EXPECT_EQ(places->provinces[1].region, "Lazio");
    EXPECT_EQ(places->regions.size(), 2u);
    // A town naming a province the file does not define, or a file cut short.
    EXPECT_FALSE(readItalianPlaces(std::string(CITY_JS).replace(std::string(CITY_JS).find("ROMA"), 4, "PISA"),
                                   PROVINCE_JS, REGION_JS));
    EXPECT_FALSE(readItalianPlaces(std::string(CITY_JS).substr(0, 120), PROVINCE_JS, REGION_JS));
    EXPECT_FALSE(readItalianPlaces(CITY_JS, PROVINCE_JS, ""));
}

TEST(SourceReaders, CldrNamesWithoutAlternativesAndWhatTheSupplementTells) {
    const auto names = readCldrNames({R"(<?xml version="1.0" encoding="UTF-8" ?>
<!DOCTYPE ldml SYSTEM "../../common/dtd/ldml.dtd">
<ldml><identity><language type="it"/></identity><localeDisplayNames>
<languages><language type="en">inglese</language><language type="en" alt="short">ingl.</language>
<language type="ta">tamil</language></languages>
<territories><territory type="US">Stati Uniti</territory><territory type="US" alt="short">USA</territory>
<territory type="CI">Costa d’Avorio</territory></territories></localeDisplayNames>
<numbers><currencies><currency type="BRL"><displayName>real brasiliano</displayName>
<displayName count="one">real brasiliano</displayName><displayName count="other">real brasiliani</displayName>
<symbol>R$</symbol></currency><currency type="DEM"><displayName>marco tedesco</displayName></currency>
</currencies></numbers></ldml>)",
                                      R"(<ldml><localeDisplayNames><subdivisions>
<subdivision type="usia" draft="contributed">Iowa</subdivision></subdivisions></localeDisplayNames>
<annotations><annotation cp="🐕">animale | cane |cucciolo</annotation><annotation cp="🐕" type="tts">cane</annotation>
</annotations></ldml>)",
                                      R"(<supplementalData><currencyData><fractions><info iso4217="BRL" digits="2"/>
</fractions><region iso3166="BR"><currency iso4217="BRL" from="1994-07-01"/>
<currency iso4217="BRR" from="1993-08-01" to="1994-07-01"/></region>
<region iso3166="DE"><currency iso4217="EUR" from="2002-01-01"/><currency iso4217="DEM" to="2002-02-28"/></region>
</currencyData><territoryInfo><territory type="BR" population="200">
<languagePopulation type="pt" populationPercent="98"/></territory>
<territory type="IN" population="1000"><languagePopulation type="ta" populationPercent="6"/></territory>
<territory type="LK" population="20"><languagePopulation type="ta" populationPercent="18"/></territory>
</territoryInfo></supplementalData>)"});
    ASSERT_TRUE(names);
    EXPECT_EQ(names->languages, (std::map<std::string, std::string>{{"en", "inglese"}, {"ta", "tamil"}}));
    EXPECT_EQ(names->territories.at("US"), "Stati Uniti");
    EXPECT_EQ(names->territories.at("CI"), "Costa d’Avorio");
    EXPECT_EQ(names->subdivisions.at("usia"), "Iowa");
    ASSERT_EQ(names->annotations.size(), 1u);
    EXPECT_EQ(names->annotations[0].name, "cane");
    EXPECT_EQ(names->annotations[0].keywords, (std::vector<std::string>{"animale", "cane", "cucciolo"}));
    EXPECT_EQ(names->currencies.at("BRL").name, "real brasiliano");
    EXPECT_EQ(names->currencies.at("BRL").plural, "real brasiliani");
    EXPECT_EQ(names->currencies.at("BRL").users, 201);  // one for being in use, and Brazil
    EXPECT_EQ(names->currencies.at("DEM").users, 0);
    EXPECT_EQ(names->languageHomes.at("ta"), "IN");  // 60 speakers there, 3.6 in Sri Lanka
    EXPECT_FALSE(names->languageHomes.contains("en"));
    EXPECT_FALSE(readCldrNames({"<ldml><territories>"}));
    EXPECT_FALSE(readCldrNames({"<ldml/>", "<supplementalData>"}));
}

TEST(SourceReaders, EnglishItalianDictionaryOfDictd) {
    // gzip of "time /t/\ntempo\n"
    const std::string gzip("\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03\x2b\xc9\xcc\x4d\x55\xd0\x2f\xd1\xe7\x2a\x49"
                           "\xcd\x2d\xc8\xe7\x02\x00\x8c\x69\x99\xcf\x0f\x00\x00\x00",
                           35);
    EXPECT_EQ(gunzip(gzip, 100), "time /t/\ntempo\n");
    EXPECT_FALSE(gunzip(gzip, 10));                    // larger than allowed
    EXPECT_FALSE(gunzip(gzip.substr(0, 30), 100));     // cut short
    EXPECT_FALSE(gunzip("time /t/\ntempo\n", 100));  // not gzip

    const std::string text = "00-database-info\nEnglish-Italian\nopen /o/\n1. aprire\n2. aperto\n"
                             "assist /a/\n1. aiutare, assistere\nAfrica /a/\nAfrica\nbig toe /b/\nalluce\n";
    // Offsets and lengths in base64 digits: A 0, h 33, + 62, Bf 95 ...
    const auto words = readEnglishItalian("00-database-info\tA\th\nopen\th\td\nassist\t+\th\n"
                                          "africa\tBf\tS\nbig\tBx\tT\n",  // a name, a phrase
                                          text);
    ASSERT_TRUE(words);
    ASSERT_EQ(words->size(), 2u);
    EXPECT_EQ((*words)[0].word, "open");
    EXPECT_EQ((*words)[0].meaning, "aprire");
    EXPECT_EQ((*words)[1].meaning, "aiutare");
    EXPECT_FALSE(readEnglishItalian("open\th\n", text));          // no length
    EXPECT_FALSE(readEnglishItalian("open\th\t/////\n", text));  // beyond the text
}

TEST(SourceReaders, IsoCodesAndCommittedLists) {
    const auto countries = readIsoCountries(R"({"3166-1": [{"alpha_2": "IT", "alpha_3": "ITA", "name": "Italy"}]})");
    ASSERT_TRUE(countries);
    EXPECT_EQ((*countries)[0].alpha3, "ITA");
    const auto languages =
        readIsoLanguages(R"({"639-2": [{"alpha_3": "deu", "alpha_2": "de", "bibliographic": "ger"}, {"alpha_3": "ace"}]})");
    ASSERT_TRUE(languages);
    EXPECT_EQ((*languages)[0].bibliographic, "GER");
    EXPECT_EQ((*languages)[1].alpha2, "");
    const auto provinces = readIsoProvinces(
        R"({"3166-2": [{"code": "IT-RM", "name": "Roma"}, {"code": "IT-62", "name": "Lazio"}, {"code": "FR-75"}]})");
    ASSERT_TRUE(provinces);
    EXPECT_EQ(*provinces, (std::map<std::string, std::string>{{"RM", "Roma"}}));
    EXPECT_FALSE(readIsoCountries(R"({"3166-2": []})"));
    EXPECT_FALSE(readIsoLanguages("not json"));

    EXPECT_EQ(readWordList("# source\nil lo  la\n\ndel\n"), (std::vector<std::string>{"il", "lo", "la", "del"}));
    EXPECT_EQ(readKeyedList("# IT = no\nIT = Roma \nCU = L'Avana\nbad line\n = x\nX =\n"),
              (std::vector<std::pair<std::string, std::string>>{{"IT", "Roma"}, {"CU", "L'Avana"}}));
    EXPECT_EQ(readStringArray(R"(["di", 3, "il"])"), (std::vector<std::string>{"di", "il"}));
    EXPECT_FALSE(readStringArray(R"({"a": 1})"));
}

}  // namespace
}  // namespace quirvo
