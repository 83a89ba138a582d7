#include "core/tools/word_services.h"

#include <gtest/gtest.h>

namespace quirvo {
namespace {

using Lines = std::vector<std::string>;

// Answers given in advance; counts the requests it receives.
class ScriptedServices : public LanguageServices {
public:
    std::optional<SynonymAnswer> synonyms;
    std::optional<SpellingAnswer> spelling;
    int requests = 0;

    std::optional<SynonymAnswer> synonymInfo(std::string_view) override {
        ++requests;
        return synonyms;
    }
    std::optional<SpellingAnswer> spellingSuggestions(std::string_view) override {
        ++requests;
        return spelling;
    }
};

TEST(Synonyms, HeadingsGroupSynonymsAndAntonymsAndTheCountLeavesHeadingsOut) {
    ScriptedServices services;
    services.synonyms = SynonymAnswer{2, {"zelante", "città", "bravo"}, {"pigro"}};
    const auto out = sinonimi(&services, "diligente");
    EXPECT_TRUE(out.acted);
    EXPECT_EQ(out.lines, (Lines{SYNONYM_HEADING, "=BRAVO", "=CITTÀ", "=ZELANTE", ANTONYM_HEADING, ">PIGRO"}));
    EXPECT_EQ(out.panel2, " 4 Sin./Cont.");
    EXPECT_EQ(out.panel3, " ");
    EXPECT_FALSE(out.beep);
    EXPECT_TRUE(out.clearToolTips);

    services.synonyms = SynonymAnswer{1, {"felino", "micio"}, {}};
    const auto noAntonyms = sinonimi(&services, "gatto");
    EXPECT_EQ(noAntonyms.lines, (Lines{SYNONYM_HEADING, "=FELINO", "=MICIO", ANTONYM_HEADING}));
    EXPECT_EQ(noAntonyms.panel2, " 2 Sin./Cont.");
}

TEST(Synonyms, NoMeaningFailureAndNothingTyped) {
    ScriptedServices services;
    services.synonyms = SynonymAnswer{};
    const auto none = sinonimi(&services, "ab?c");
    EXPECT_EQ(none.lines, (Lines{" ", " nessun Sin./Cont."}));
    EXPECT_EQ(none.panel2, " nessun Sin./Cont. ");
    EXPECT_TRUE(none.beep);
    EXPECT_EQ(services.requests, 1);

    for (LanguageServices* failing : {static_cast<LanguageServices*>(nullptr), static_cast<LanguageServices*>(&services)}) {
        services.synonyms.reset();
        const auto failed = sinonimi(failing, "casa");
        EXPECT_TRUE(failed.acted);
        EXPECT_TRUE(failed.lines.empty());
        EXPECT_EQ(failed.panel2, " nessun Sin./Cont. ");
        EXPECT_EQ(failed.panel3, " ");
        EXPECT_TRUE(failed.beep);
    }

    const int before = services.requests;
    EXPECT_FALSE(sinonimi(&services, "").acted);
    EXPECT_FALSE(sinonimi(&services, " ").acted);
    EXPECT_EQ(services.requests, before);
}

TEST(Spelling, VerdictsAndProposalsInUpperCase) {
    ScriptedServices services;
    services.spelling = SpellingAnswer{};
    const auto ok = ortografia(&services, "casa");
    EXPECT_EQ(ok.lines, (Lines{" ", " OK Ortografia "}));
    EXPECT_EQ(ok.panel2, " OK Ortografia ");
    EXPECT_FALSE(ok.beep);

    services.spelling = SpellingAnswer{SPELLING_UNKNOWN_WORD, {"perché", "parche", "Perché"}};
    const auto wrong = ortografia(&services, "perche");
    EXPECT_EQ(wrong.lines, (Lines{"PARCHE", "PERCHÉ"}));
    EXPECT_EQ(wrong.panel2, " ERR. Ortografia ");
    EXPECT_EQ(wrong.panel3, " ");

    services.spelling = SpellingAnswer{SPELLING_UNKNOWN_WORD, {"città"}};
    EXPECT_EQ(ortografia(&services, "citta").lines, (Lines{"CITTÀ"}));

    services.spelling = SpellingAnswer{SPELLING_UNKNOWN_WORD, {}};
    const auto hopeless = ortografia(&services, "qxzw");
    EXPECT_TRUE(hopeless.lines.empty());
    EXPECT_EQ(hopeless.panel2, " ERR. Ortografia ");
}

TEST(Spelling, RefusesWildcardsWithoutAskingAndReportsFailures) {
    ScriptedServices services;
    services.spelling = SpellingAnswer{};
    for (const char* text : {"ab?c", "ca*"}) {
        const auto refused = ortografia(&services, text);
        EXPECT_TRUE(refused.acted);
        EXPECT_EQ(refused.panel2, " non valido ");
        EXPECT_TRUE(refused.lines.empty());
    }
    EXPECT_EQ(services.requests, 0);
    EXPECT_FALSE(ortografia(&services, " ").acted);

    services.spelling.reset();
    const auto failed = ortografia(&services, "casa");
    EXPECT_EQ(failed.panel2, " nessuna ");
    EXPECT_TRUE(failed.beep);
    EXPECT_EQ(ortografia(nullptr, "casa").panel2, " nessuna ");
}

}  // namespace
}  // namespace quirvo
