// The word facts as the build makes them (parole.fatti), read as the program
// reads them, on words an editor knows the answer for.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli/run_cli.h"
#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/lexicon.h"
#include "core/dictionary/plain_list.h"

namespace quirvo {
namespace {

class DefaultFacts : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        DictionarySet dicts;
        Progress progress;
        ASSERT_FALSE(loadDictionaries(QUIRVO_PROGRAM_FOLDER, dicts, progress).fatal);
        FactsLoad facts = loadFacts(QUIRVO_PROGRAM_FOLDER);
        ASSERT_TRUE(facts.file) << facts.warning;
        lexicon_ = new Lexicon(std::move(dicts), facts.file);
    }
    static void TearDownTestSuite() { delete lexicon_; }
    static const WordFacts& facts() { return *lexicon_->facts(); }
    static const Lexicon& lexicon() { return *lexicon_; }

private:
    static Lexicon* lexicon_;
};
Lexicon* DefaultFacts::lexicon_ = nullptr;

TEST_F(DefaultFacts, RealWordsHaveTheKindAndLemmaAnEditorGivesThem) {
    struct Case {
        const char* word;
        WordKind kind;
        bool best;          // the kind it counts by, or only one of its kinds
        const char* lemma;  // nullptr: not checked; "": none
        const char* note;   // a note text it must have, or nullptr
    };
    const Case cases[] = {
        {"ARA", WordKind::Noun, true, "ARA", nullptr},  // and a form of ARARE
        {"ERA", WordKind::Noun, true, "ERA", nullptr},  // not ESSERE
        {"ERA", WordKind::FiniteVerb, false, nullptr, nullptr},
        {"DICENDOGLIELO", WordKind::VerbWithPronouns, true, "DIRE", nullptr},
        {"MANTECARLE", WordKind::VerbWithPronouns, true, "MANTECARE", nullptr},
        {"SFOCIATAMELE", WordKind::VerbWithPronouns, true, nullptr, nullptr},
        {"AMMARAR", WordKind::Truncated, true, "AMMARARE", nullptr},
        {"COPIAI", WordKind::FiniteVerb, true, "COPIARE", nullptr},
        {"PENETRAVATE", WordKind::FiniteVerb, true, "PENETRARE", nullptr},
        {"AMAVI", WordKind::FiniteVerb, true, "AMARE", nullptr},  // the imperfect, not AMA plus VI
        {"ESEDRE", WordKind::Noun, true, "ESEDRA", nullptr},
        {"NOTAIA", WordKind::Noun, true, "NOTAIO", nullptr},
        {"CANE", WordKind::Noun, true, "CANE", nullptr},
        {"CANI", WordKind::Noun, true, "CANE", nullptr},
        {"ASCISC", WordKind::Unknown, true, "", nullptr},
        {"AMARE", WordKind::Infinitive, false, nullptr, nullptr},
        {"AMATO", WordKind::PastParticiple, false, nullptr, nullptr},
        {"CANTANDO", WordKind::Gerund, true, "CANTARE", nullptr},
        {"BIDONANDO", WordKind::Gerund, true, "BIDONARE", nullptr},
        {"ROMA", WordKind::Name, true, "", "Lazio"},
        {"ANDREA", WordKind::Name, true, "", "Andrea"},
        {"RM", WordKind::Sigla, true, "", "Roma"},
        {"ITA", WordKind::Sigla, true, "", "Italia"},
        {"ECC", WordKind::Sigla, true, "", "eccetera"},
        {"XL", WordKind::Roman, true, "", nullptr},
        {"DCCCIV", WordKind::Roman, true, "", nullptr},
        {"DEL", WordKind::FunctionWord, true, "", nullptr},
        {"LENTAMENTE", WordKind::OtherWord, true, "LENTAMENTE", nullptr},
        {"INTREA", WordKind::Unknown, true, "", nullptr},
    };
    for (const Case& c : cases) {
        const FactRecord r = facts().find(c.word);
        if (c.best) {
            EXPECT_EQ(kindKey(bestKind(r.kinds)), kindKey(c.kind)) << c.word;
        } else {
            EXPECT_TRUE(hasKind(r.kinds, c.kind)) << c.word << " is no " << kindKey(c.kind);
        }
        if (c.lemma) {
            EXPECT_EQ(facts().lemma(r), c.lemma) << c.word;
        }
        if (c.note) {
            const auto& notes = facts().notes(c.word);
            EXPECT_TRUE(std::any_of(notes.begin(), notes.end(), [&](const FactNote& n) { return n.text == c.note; }))
                << c.word << " lacks the note " << c.note;
        }
    }
}

TEST_F(DefaultFacts, FamiliarityFollowsHowCommonAWordIs) {
    const char* const order[] = {"CASA", "NOTAIO", "IOIDE"};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_GT(facts().find(order[i]).familiarity, facts().find(order[i + 1]).familiarity) << order[i];
    EXPECT_GE(facts().find("ITA").familiarity, 35);  // a three-letter country code
    EXPECT_GE(facts().find("RM").familiarity, 40);
    EXPECT_EQ(facts().find("ASCISC").familiarity, 0);
}

// Whatever the two short lists hold is a sigla (or a roman numeral) and a
// name: their groups all reach the facts.
TEST_F(DefaultFacts, EveryEntryOfTheShortListsHasItsKind) {
    const struct {
        const char* file;
        KindSet kinds;
    } lists[] = {
        {"sigle.dic", KindSet(kindBit(WordKind::Sigla) | kindBit(WordKind::Roman))},
        {"nomi.dic", kindBit(WordKind::Name)},
    };
    for (const auto& list : lists) {
        int slot = 1;
        while (slot <= SEARCHABLE_SLOTS && lexicon()[slot].dictFileName != list.file) ++slot;
        ASSERT_LE(slot, SEARCHABLE_SLOTS) << list.file;
        size_t entries = 0, without = 0;
        forEachRawLine(lexicon()[slot].dictText, [&](std::string_view line) {
            if (line.empty() || isRemarkLine(line)) return;
            ++entries;
            if (!(facts().find(line).kinds & list.kinds)) ADD_FAILURE() << list.file << ": " << line, ++without;
        });
        EXPECT_GT(entries, 1000u) << list.file;
        EXPECT_EQ(without, 0u) << list.file;
    }
}

TEST(WordVerb, PrintsWhatAWordIsAndUnknownForANonWord) {
    const std::string folder = std::string(" --dir '") + QUIRVO_PROGRAM_FOLDER + "'";
    const testing::CliRun run = testing::runQuirvoDiz("word" + folder + " notaia Città ZQXW");
    EXPECT_EQ(run.status, 0);
    for (const char* expected :
         {"\"word\": \"NOTAIA\", \"kinds\": [\"noun\"], \"best\": \"noun\", \"lemma\": \"NOTAIO\"",
          "\"word\": \"CITTA\"", "\"word\": \"ZQXW\", \"kinds\": [\"unknown\"], \"best\": \"unknown\", \"lemma\": null"})
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << " in " << run.out;
}

}  // namespace
}  // namespace quirvo
