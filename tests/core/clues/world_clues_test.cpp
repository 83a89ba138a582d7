#include <gtest/gtest.h>

#include "core/clues/world_clues.h"

namespace quirvo {
namespace {

TEST(WorldClues, AdjectivesAgreeWithMoneta) {
    struct Case {
        const char* masculine;
        const char* singular;
        const char* plural;
    } cases[] = {
        {"brasiliano", "brasiliana", "brasiliane"},  {"giapponese", "giapponese", "giapponesi"},
        {"turco", "turca", "turche"},                {"belga", "belga", "belghe"},
        {"cubano convertibile", "cubana convertibile", "cubane convertibili"},
        {"delle Isole Cayman", "delle Isole Cayman", "delle Isole Cayman"},
        {"CFA BCEAO", "", ""},                        {"turca (1922–2005)", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(feminineAdjectives(c.masculine, false), c.singular) << c.masculine;
        EXPECT_EQ(feminineAdjectives(c.masculine, true), c.plural) << c.masculine;
    }
}

TEST(WorldClues, CurrenciesLanguagesAndStatesByTheirNotes) {
    const auto texts = [](std::vector<FactNote> notes) {
        std::vector<std::string> out;
        for (const Suggestion& s : worldClues(notes)) {
            EXPECT_EQ(s.kind, SuggestionKind::Name);
            out.push_back(s.text);
        }
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(texts({{"REAL", NoteGroup::Currency, "real brasiliano"}}), V{"Moneta brasiliana"});
    EXPECT_EQ(texts({{"PESOS", NoteGroup::CurrencyPlural, "peso messicano"}}), V{"Monete messicane"});
    EXPECT_EQ(texts({{"MARCO", NoteGroup::FormerCurrency, "marco tedesco"}}), V{"Vecchia moneta tedesca"});
    // The most used three of a word's many currencies, in the order the facts give.
    EXPECT_EQ(texts({{"DOLLARO", NoteGroup::Currency, "dollaro statunitense"},
                     {"DOLLARO", NoteGroup::Currency, "dollaro canadese"},
                     {"DOLLARO", NoteGroup::Currency, "dollaro di Singapore"},
                     {"DOLLARO", NoteGroup::Currency, "dollaro australiano"}}),
              (V{"Moneta statunitense", "Moneta canadese", "Moneta di Singapore"}));
    EXPECT_EQ(texts({{"TAMIL", NoteGroup::LanguageName, "India"}}), V{"Lingua dell'India"});
    EXPECT_EQ(texts({{"SINGALESE", NoteGroup::LanguageName, "Sri Lanka"}}), V{"Lingua dello Sri Lanka"});
    EXPECT_EQ(texts({{"IOWA", NoteGroup::Subdivision, "US"}, {"URI", NoteGroup::Subdivision, "CH"}}),
              (V{"Stato degli USA", "Cantone svizzero"}));
    EXPECT_EQ(texts({{"CAROTA", NoteGroup::Category, "ortaggio"}, {"CAROTA", NoteGroup::Category, "cibo"}}),
              V{"Un ortaggio"});
    EXPECT_EQ(texts({{"TENNIS", NoteGroup::Category, "sport"}}), V{"Uno sport"});
    EXPECT_EQ(texts({{"GONNA", NoteGroup::Category, "capo d'abbigliamento"}}), V{"Un capo d'abbigliamento"});
    EXPECT_EQ(texts({{"ROMA", NoteGroup::Town, "Roma"}, {"XX", NoteGroup::Subdivision, "FR"}}), V{});
}

TEST(WorldClues, EnglishWordsByWhatTheyMean) {
    const auto clues = englishClues({{"OPEN", NoteGroup::English, "aprire"},
                                     {"OPEN", NoteGroup::English, "aprire"},
                                     {"OPEN", NoteGroup::Currency, "open"},
                                     {"OPEN", NoteGroup::English, "aperto"},
                                     {"OPEN", NoteGroup::English, "torneo"}});
    ASSERT_EQ(clues.size(), 2u);  // the first two meanings
    EXPECT_EQ(clues[0].text, "Aprire, in inglese");
    EXPECT_EQ(clues[1].text, "Aperto, in inglese");
}

}  // namespace
}  // namespace quirvo
