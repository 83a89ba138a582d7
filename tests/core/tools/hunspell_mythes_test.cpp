#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../dictionary/temp_folder.h"
#include "core/tools/thesaurus_forms.h"
#include "core/tools/word_link.h"
#include "core/tools/word_services.h"

namespace quirvo {
namespace {

using Lines = std::vector<std::string>;
using ::testing::Contains;

// The Debian Italian speller and thesaurus, opened once for the suite.
class ItalianData : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        link = new WordLink();
        opened = link->apriword();
    }
    static void TearDownTestSuite() {
        delete link;
        link = nullptr;
    }
    static WordLink* link;
    static LinkOutcome opened;
};
WordLink* ItalianData::link = nullptr;
LinkOutcome ItalianData::opened;

TEST_F(ItalianData, LinkOpensAndCloses) {
    ASSERT_EQ(link->state(), LinkState::Open) << opened.reason;
    EXPECT_TRUE(opened.toolsEnabled);
    EXPECT_TRUE(opened.message.empty());
    ASSERT_NE(link->services(), nullptr);

    WordLink second;
    EXPECT_TRUE(second.toggle().toolsEnabled);
    EXPECT_TRUE(second.checked());
    const auto closed = second.toggle();
    EXPECT_FALSE(closed.toolsEnabled);
    EXPECT_EQ(second.state(), LinkState::Closed);
    EXPECT_EQ(second.services(), nullptr);
    EXPECT_EQ(sinonimi(second.services(), "casa").panel2, " nessun Sin./Cont. ");
}

TEST_F(ItalianData, SpellingVerdicts) {
    LanguageServices* services = link->services();
    ASSERT_NE(services, nullptr);
    for (const char* correct : {"casa", "CASA", "perché", "PERCHÉ", "città"})
        EXPECT_EQ(ortografia(services, correct).lines, (Lines{" ", " OK Ortografia "})) << correct;

    const auto misspelt = ortografia(services, "perche");
    EXPECT_EQ(misspelt.panel2, " ERR. Ortografia ");
    EXPECT_THAT(misspelt.lines, Contains("PERCHÉ"));
    EXPECT_THAT(ortografia(services, "citta").lines, Contains("CITTÀ"));

    EXPECT_EQ(ortografia(services, "ab?c").panel2, " non valido ");
    EXPECT_EQ(ortografia(services, "qxzwvk").panel2, " ERR. Ortografia ");
}

TEST_F(ItalianData, MeaningsAndSynonyms) {
    LanguageServices* services = link->services();
    ASSERT_NE(services, nullptr);
    const auto gatto = services->synonymInfo("gatto");
    ASSERT_TRUE(gatto);
    EXPECT_EQ(gatto->meaningCount, 1);
    EXPECT_EQ(gatto->synonyms, (Lines{"felino", "micio"}));
    EXPECT_TRUE(gatto->antonyms.empty());  // the Italian thesaurus has none

    const auto out = sinonimi(services, "Gatto");
    EXPECT_EQ(out.lines, (Lines{SYNONYM_HEADING, "=FELINO", "=MICIO", ANTONYM_HEADING}));
    EXPECT_EQ(out.panel2, " 2 Sin./Cont.");

    // Typed without the accent, in capitals, or with an apostrophe for it.
    for (const char* typed : {"perché", "perche", "PERCHE", "perche'"}) {
        const auto info = services->synonymInfo(typed);
        ASSERT_TRUE(info) << typed;
        EXPECT_EQ(info->meaningCount, 3) << typed;
        EXPECT_THAT(info->synonyms, Contains("per quale motivo")) << typed;
    }
    EXPECT_THAT(sinonimi(services, "citta").lines, Contains("=URBE"));

    EXPECT_EQ(sinonimi(services, "qxzwvk").lines, (Lines{" ", " nessun Sin./Cont."}));
    EXPECT_EQ(sinonimi(services, "ab?c").lines, (Lines{" ", " nessun Sin./Cont."}));
}

TEST(ThesaurusForms, LowerCaseThenCapitalisedThenAccentedFinalVowel) {
    EXPECT_EQ(thesaurusForms(" PERCHE "), (Lines{"perche", "Perche", "perché", "Perché", "perchè", "Perchè"}));
    EXPECT_EQ(thesaurusForms("Città"), (Lines{"città", "Città"}));
    EXPECT_EQ(thesaurusForms("po'"), (Lines{"po'", "Po'", "pò", "Pò"}));
    EXPECT_TRUE(thesaurusForms("  ").empty());
}

TEST(WordLinkFailure, MissingDataGivesTheWarningAndTheFailedState) {
    const testing::TempFolder empty;
    WordLink link(LanguageDataPaths{empty.path().string(), empty.path().string()});
    const auto outcome = link.toggle();
    EXPECT_FALSE(outcome.toolsEnabled);
    EXPECT_EQ(outcome.message, WORD_LINK_FAILURE_MESSAGE);
    // It names what failed and where it comes from, not another program.
    for (const char* named : {"ortografico italiano", "sinonimi", "hunspell-it", "mythes-it"})
        EXPECT_NE(outcome.message.find(named), std::string::npos) << named;
    EXPECT_EQ(outcome.message.find("Word"), std::string::npos);
    EXPECT_EQ(outcome.title, "Attenzione!");
    EXPECT_NE(outcome.reason.find("it_IT.aff"), std::string::npos);
    EXPECT_EQ(link.state(), LinkState::Failed);
    EXPECT_TRUE(link.checked());
    EXPECT_EQ(link.services(), nullptr);
    EXPECT_EQ(ortografia(link.services(), "casa").panel2, " nessuna ");

    const auto closed = link.toggle();
    EXPECT_TRUE(closed.message.empty());
    EXPECT_EQ(link.state(), LinkState::Closed);
    EXPECT_FALSE(link.checked());
}

}  // namespace
}  // namespace quirvo

namespace quirvo {
namespace {

// A tiny speller and thesaurus in ISO-8859-1, the encoding older Italian
// data came in, with an antonym marked the LibreOffice way.
void writeLatin1Data(const testing::TempFolder& folder) {
    folder.write("it_IT.aff", "SET ISO8859-1\nTRY aeiouc\xE0\xE9\n");
    folder.write("it_IT.dic", "2\ncitt\xE0\nperch\xE9\n");
    const std::string header = "ISO8859-1\n";
    const std::string entry = "citt\xE0|1\n(s.f.)|urbe|metropoli|campagna (antonym)\n";
    folder.write("th_it_IT_v2.dat", header + entry);
    folder.write("th_it_IT_v2.idx", header + "1\ncitt\xE0|" + std::to_string(header.size()) + "\n");
}

TEST(Latin1LanguageData, WordsAndAnswersAreConverted) {
    const testing::TempFolder folder;
    writeLatin1Data(folder);
    WordLink link(LanguageDataPaths{folder.path().string(), folder.path().string()});
    ASSERT_TRUE(link.apriword().toolsEnabled);
    EXPECT_EQ(ortografia(link.services(), "città").panel2, " OK Ortografia ");
    const auto wrong = ortografia(link.services(), "citta");
    EXPECT_EQ(wrong.panel2, " ERR. Ortografia ");
    EXPECT_EQ(wrong.lines, (Lines{"CITTÀ"}));
    // A character Latin-1 lacks cannot be in the data: an unknown word.
    EXPECT_EQ(ortografia(link.services(), "citt\xC4\x81").panel2, " ERR. Ortografia ");

    const auto out = sinonimi(link.services(), "CITTA");
    EXPECT_EQ(out.lines, (Lines{SYNONYM_HEADING, "=METROPOLI", "=URBE", ANTONYM_HEADING, ">CAMPAGNA"}));
    EXPECT_EQ(out.panel2, " 3 Sin./Cont.");
}

}  // namespace
}  // namespace quirvo
