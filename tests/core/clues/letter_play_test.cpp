#include <gtest/gtest.h>

#include "core/clues/inflection.h"
#include "core/clues/letter_play.h"

namespace quirvo {
namespace {

TEST(LetterPlay, EachPlayTakesItsLettersOrNone) {
    struct Case {
        Play play;
        const char* word;
        int count;
        const char* letters;
    } cases[] = {
        {Play::Head, "CASA", 2, "CA"},        {Play::Head, "CASA", 3, "CAS"},      {Play::Head, "RE", 2, ""},
        {Play::Tail, "CASA", 2, "SA"},        {Play::Tail, "APE", 2, "PE"},
        {Play::Middle, "ROMA", 2, "OM"},      {Play::Middle, "PALERMO", 3, "LER"}, {Play::Middle, "ROSSO", 2, ""},
        {Play::Ends, "BOOM", 2, "BM"},        {Play::Ends, "BOOM", 3, ""},
        {Play::FirstHalf, "CASA", 2, "CA"},   {Play::SecondHalf, "CASA", 2, "SA"}, {Play::FirstHalf, "CASSA", 2, ""},
        {Play::FirstHalf, "BARONE", 3, "BAR"},
        {Play::Consonants, "COSA", 2, "CS"},  {Play::Consonants, "ROMA", 2, "RM"}, {Play::Consonants, "PNT", 2, ""},
        {Play::Vowels, "ROMA", 2, "OA"},      {Play::Vowels, "AIUOLA", 3, ""},      {Play::Vowels, "AEI", 3, ""},
        {Play::Initials, "DANTE ALIGHIERI", 2, "DA"}, {Play::Initials, "LEONARDO DA VINCI", 3, "LDV"},
        {Play::Initials, "DANTE", 1, ""},     {Play::Head, "DANTE ALIGHIERI", 2, ""},
        {Play::Odd, "CASA", 2, "CS"},         {Play::Even, "CASA", 2, "AA"},       {Play::Odd, "APE", 2, "AE"},
        {Play::Even, "APE", 2, ""},           {Play::Odd, "CAMINO", 3, "CMN"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(playLetters(c.play, c.word, c.count), c.letters)
            << c.word << " play " << int(c.play) << " count " << c.count;
}

TEST(LetterPlay, InflectionsFromTheEndings) {
    struct Case {
        const char* word;
        const char* lemma;
        NounInflection inflection;
    } cases[] = {
        {"ESEDRE", "ESEDRA", NounInflection::Plural},     {"NOTAIA", "NOTAIO", NounInflection::Feminine},
        {"NOTAIE", "NOTAIO", NounInflection::FemininePlural}, {"NOTAI", "NOTAIO", NounInflection::Plural},
        {"PROFESSORESSA", "PROFESSORE", NounInflection::Feminine}, {"VERDI", "VERDE", NounInflection::Plural},
        {"CASA", "CASA", NounInflection::Lemma},          {"ANDAVO", "ANDARE", NounInflection::Unknown},
        {"UOMINI", "UOMO", NounInflection::Plural},
    };
    for (const Case& c : cases) EXPECT_EQ(nounInflection(c.word, c.lemma), c.inflection) << c.word;

    using V = std::vector<std::string>;
    EXPECT_EQ(inflectedCandidates("DIMORA", NounInflection::Plural), (V{"DIMORE", "DIMORI"}));
    EXPECT_EQ(inflectedCandidates("EDIFICIO", NounInflection::Plural), (V{"EDIFICI", "EDIFICII"}));
    EXPECT_EQ(inflectedCandidates("BUCO", NounInflection::Plural), (V{"BUCHI", "BUCI"}));
    EXPECT_EQ(inflectedCandidates("AMICA", NounInflection::Plural), (V{"AMICHE", "AMICHI"}));
    EXPECT_EQ(inflectedCandidates("VIAGGIANTE", NounInflection::Plural), (V{"VIAGGIANTI"}));
    EXPECT_EQ(inflectedCandidates("ROSSO", NounInflection::FemininePlural), (V{"ROSSE"}));
    EXPECT_EQ(inflectedCandidates("PESCATORE", NounInflection::Feminine), (V{"PESCATRICE"}));
    EXPECT_EQ(inflectedCandidates("ROSSO", NounInflection::Feminine), (V{"ROSSA"}));
    EXPECT_EQ(inflectedCandidates("VERDE", NounInflection::Feminine), (V{"VERDE"}));
    EXPECT_EQ(inflectedCandidates("BAR", NounInflection::Plural), (V{"BAR"}));
    EXPECT_TRUE(looksInfinitive("AMARE") && looksInfinitive("PORRE") && !looksInfinitive("ARE"));
}

}  // namespace
}  // namespace quirvo
