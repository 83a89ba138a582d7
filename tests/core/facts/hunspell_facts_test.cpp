#include "core/facts/hunspell_facts.h"

#include <gtest/gtest.h>

#include "../support/dictionary_builders.h"

namespace quirvo {
namespace {

constexpr char AFF[] = R"(SET UTF-8
SFX A Y 8
SFX A are o are
SFX A re to are
SFX A re ndo are
SFX A e 0 are
SFX A re rti are
SFX A re vi are
SFX A re vo are
SFX A re 0 are
SFX Q N 1
SFX Q a e a
SFX D Y 1
SFX D 0 lo [ae]ndo
SFX E Y 2
SFX E 0 gli [ts]o
SFX E o a [ts]o
PFX T Y 1
PFX T 0 l' [aeiou]
)";

constexpr char DIC[] = "9\namare/AT\nesedra/QT\ndicendo/D\nascisc/T\ndetto/E\nRoma/T\nDOS\nteodia\n";

TEST(HunspellFacts, KindsAndLemmasByTheRuleThatMadeEachForm) {
    const std::vector<std::string> words{"AMARE", "AMO",    "AMATO",     "AMANDO",  "AMAR",   "AMARTI",
                                         "AMAVI", "AMAVO",  "AMA",       "ESEDRA",  "ESEDRE", "DICENDO",
                                         "DICENDOLO", "ASCISC", "DETTO", "DETTOGLI", "DETTA", "ROMA",
                                         "DOS",   "TEODIA"};
    const DictionarySet dicts = testing::dictionarySet({words});
    const WordTable table(dicts);
    FactSheet sheet(table);
    addHunspellFacts(AffixRules::parse(AFF), parseHunspellDic(DIC), sheet);
    FactsWriter writer;
    sheet.write(writer);
    const auto file = FactsFile::decode(writer.encode());
    ASSERT_TRUE(file);

    const struct {
        const char* word;
        WordKind best;
        const char* lemma;
    } cases[] = {
        {"AMARE", WordKind::Infinitive, "AMARE"},  {"AMO", WordKind::FiniteVerb, "AMARE"},
        {"AMATO", WordKind::PastParticiple, "AMARE"}, {"AMANDO", WordKind::Gerund, "AMARE"},
        {"AMAR", WordKind::Truncated, "AMARE"},    {"AMARTI", WordKind::VerbWithPronouns, "AMARE"},
        {"AMAVI", WordKind::FiniteVerb, "AMARE"},  {"ESEDRA", WordKind::Noun, "ESEDRA"},
        {"ESEDRE", WordKind::Noun, "ESEDRA"},      {"DICENDO", WordKind::Gerund, "DICENDO"},
        {"DICENDOLO", WordKind::VerbWithPronouns, "DICENDO"}, {"ASCISC", WordKind::Unknown, ""},
        {"DETTA", WordKind::Noun, "DETTO"},        {"DETTOGLI", WordKind::VerbWithPronouns, "DETTO"},
        {"ROMA", WordKind::Name, ""},              {"DOS", WordKind::Sigla, ""},
        {"TEODIA", WordKind::OtherWord, "TEODIA"},
    };
    size_t checked = 0;
    file->forEachWord([&](std::string_view word, const FactRecord& r) {
        for (const auto& c : cases) {
            if (word != c.word) continue;
            ++checked;
            EXPECT_EQ(kindKey(bestKind(r.kinds)), kindKey(c.best)) << word;
            EXPECT_EQ(r.lemma == NO_LEMMA ? "" : file->lemma(r.lemma), c.lemma) << word;
            EXPECT_TRUE(r.sources & sourceBit(FactSource::Hunspell)) << word;
        }
    });
    EXPECT_EQ(checked, std::size(cases));
}

}  // namespace
}  // namespace quirvo
