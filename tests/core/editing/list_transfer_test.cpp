#include <gtest/gtest.h>

#include "core/editing/list_transfer.h"

namespace quirvo {
namespace {

TEST(OfferedText, LineFormsOfEveryMode) {
    struct Case {
        const char* line;
        int mode;
        std::optional<std::string> want;
    };
    const Case cases[] = {
        {"CASA -1", 1, "CASA"},
        {"PALO -3", 2, "PALO"},
        {"CAS(AE) -1", 1, "CAS(AE)"},
        {"  SA -2", 1, "  SA"},           // free head keeps its blanks
        {"CAS- -2", 1, "CAS-"},           // a vowel-set "-" inside the word stays
        {"O (Oriz.-2 / Vert.-1)", 6, "O"},
        {"A", 6, "A"},
        {" nessun Anagramma ", 9, std::nullopt},
        {"AMOR", 9, "AMOR"},
        {"=         sinonimi         =", 10, std::nullopt},
        {">         contrari          <", 10, std::nullopt},
        {" nessun Sin./Cont.", 10, std::nullopt},
        {"=CASA", 10, "CASA"},
        {">BEN-ESSERE", 10, "BEN-ESSERE"},
        {" OK Ortografia ", 11, std::nullopt},
        {"CASA", 11, "CASA"},
    };
    for (const Case& c : cases) EXPECT_EQ(offeredText(c.line, c.mode), c.want) << c.line;
}

TEST(Alternatives, RepeatedClicksCycleAndAnotherLineStartsAgain) {
    Alternatives alt;
    EXPECT_EQ(alt.choose("CAS(AE)"), "CASA");
    EXPECT_EQ(alt.choose("CAS(AE)"), "CASE");
    EXPECT_EQ(alt.choose("CAS(AE)"), "CASA");
    EXPECT_EQ(alt.choose("PES(AEIO)"), "PESA");
    EXPECT_EQ(alt.choose("CAS(AE)"), "CASA");
    EXPECT_EQ(alt.choose("CASO"), "CASO");
    EXPECT_EQ(alt.altIndex, 0);
    EXPECT_EQ(alt.choose("CAS(AE)"), "CASA") << "a plain line in between resets the cycle";
    EXPECT_EQ(alt.choose("A)B(C"), "A)B(C") << "brackets the wrong way round are plain text";
    EXPECT_EQ(alt.choose("AB()"), "AB");
}

TEST(WordLayout, BlanksKeepTheirCells) {
    const WordLayout layout = layOutWord("  SAL");
    EXPECT_EQ(layout.blanks, 2);
    EXPECT_EQ(layout.trimmedLength, 3);
    ASSERT_EQ(layout.letters.size(), 3u);
    EXPECT_EQ(layout.letters[0], std::make_pair(2, 'S'));
    EXPECT_EQ(layOutWord("CASA").trimmedLength, 4);
}

}  // namespace
}  // namespace quirvo
