#include <gtest/gtest.h>

#include "core/clues/italian_grammar.h"
#include "core/clues/italian_numbers.h"

namespace quirvo {
namespace {

constexpr NounForm M{false, false}, F{true, false}, MP{false, true}, FP{true, true};

TEST(ItalianGrammar, ArticlesFollowTheWordsOnset) {
    struct Case {
        const char* word;
        NounForm form;
        const char* article;
        const char* ofThe;
    } cases[] = {
        {"ferro", M, "il ", "del "},      {"zinco", M, "lo ", "dello "},  {"stagno", M, "lo ", "dello "},
        {"oro", M, "l'", "dell'"},        {"hotel", M, "l'", "dell'"},    {"gnomo", M, "lo ", "dello "},
        {"psicologo", M, "lo ", "dello "}, {"iato", M, "lo ", "dello "},  {"sale", M, "il ", "del "},
        {"Xeno", M, "lo ", "dello "},     {"casa", F, "la ", "della "},   {"Italia", F, "l'", "dell'"},
        {"libri", MP, "i ", "dei "},      {"amici", MP, "gli ", "degli "}, {"Stati Uniti", MP, "gli ", "degli "},
        {"zii", MP, "gli ", "degli "},    {"Marche", FP, "le ", "delle "}, {"ore", FP, "le ", "delle "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(definiteArticle(c.word, c.form), c.article) << c.word;
        EXPECT_EQ(ofThe(c.word, c.form), c.ofThe) << c.word;
    }
    EXPECT_EQ(ofPlace("Roma"), "di Roma");
    EXPECT_EQ(ofPlace("La Spezia"), "della Spezia");
    EXPECT_EQ(ofPlace("L'Aquila"), "dell'Aquila");
    EXPECT_EQ(capitalised("città"), "Città");
    EXPECT_EQ(capitalised("è"), "È");
}

TEST(ItalianGrammar, FormsOfTagsCountriesAndRegions) {
    EXPECT_EQ(nounFormOfTag("(s.f.)"), F);
    EXPECT_EQ(nounFormOfTag("(s.m.)"), M);
    EXPECT_EQ(nounFormOfTag("(s.f.pl.)"), FP);
    EXPECT_EQ(nounFormOfTag("(s.f. Unità di tempo)"), F);
    EXPECT_EQ(nounFormOfTag("(v.)"), std::nullopt);

    const std::pair<const char*, std::optional<NounForm>> countries[] = {
        {"Francia", F},     {"Brasile", M}, {"Perù", M},     {"Canada", M},       {"Cuba", std::nullopt},
        {"Israele", std::nullopt}, {"Stati Uniti", MP}, {"Stati Uniti d'America", MP}, {"Filippine", FP},
        {"Costa d'Avorio", F}, {"Regno Unito", M}, {"Isole Salomone", FP},
        {"Gibilterra", std::nullopt}, {"Saint-Barthélemy", std::nullopt}, {"Sint Maarten", std::nullopt},
        {"Venezuela", M}, {"Zambia", M}, {"Riunione", F}, {"Territori palestinesi", MP}, {"Bermuda", FP},
    };
    for (const auto& [name, form] : countries) EXPECT_EQ(countryForm(name), form) << name;

    const std::pair<const char*, NounForm> regions[] = {
        {"Piemonte", M}, {"Lombardia", F}, {"Marche", FP}, {"Valle d'Aosta", F},
        {"Friuli-Venezia Giulia", M}, {"Emilia-Romagna", F}, {"Trentino-Alto Adige", M},
    };
    for (const auto& [name, form] : regions) EXPECT_EQ(regionForm(name), form) << name;
}

TEST(ItalianNumbers, RomanNumeralsAndTheirItalianNames) {
    struct Case {
        const char* roman;
        int value;
        const char* words;
    } cases[] = {
        {"I", 1, "uno"},          {"IV", 4, "quattro"},        {"XI", 11, "undici"},
        {"XXI", 21, "ventuno"},   {"XXIII", 23, "ventitré"},   {"XXVIII", 28, "ventotto"},
        {"L", 50, "cinquanta"},   {"CIII", 103, "centotré"},   {"CVIII", 108, "centootto"},
        {"CLXXX", 180, "centottanta"}, {"DI", 501, "cinquecentouno"}, {"MI", 1001, "milleuno"},
        {"MCMLXXXVIII", 1988, "millenovecentottantotto"}, {"MMXIII", 2013, "duemilatredici"},
        {"MMMCMXCIX", 3999, "tremilanovecentonovantanove"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(romanValue(c.roman), c.value) << c.roman;
        EXPECT_EQ(italianNumber(c.value), c.words) << c.value;
    }
    for (const char* notRoman : {"IIII", "IC", "VX", "MIC", "CASA", ""}) EXPECT_EQ(romanValue(notRoman), std::nullopt) << notRoman;
}

}  // namespace
}  // namespace quirvo
