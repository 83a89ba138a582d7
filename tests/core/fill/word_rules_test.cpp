#include "core/fill/word_rules.h"

#include <gtest/gtest.h>

#include "../support/dictionary_builders.h"
#include "core/dictionary/lexicon.h"
#include "core/fill/lookahead.h"

namespace quirvo {
namespace {

struct Judged {
    const char* word;
    KindSet kinds;
    int familiarity;
    RuleRefusal expected;
};

constexpr KindSet K(WordKind k) { return kindBit(k); }

// Facts for base.diz only; slot 2 is the setter's own list.
const std::vector<Judged> TABLE{
    {"CASA", K(WordKind::Noun), 90, RuleRefusal::Accepted},
    {"ARA", K(WordKind::Noun) | K(WordKind::FiniteVerb), 40, RuleRefusal::Accepted},
    {"AMARE", K(WordKind::Infinitive), 70, RuleRefusal::Accepted},
    {"AMATE", K(WordKind::PastParticiple) | K(WordKind::FiniteVerb), 50, RuleRefusal::Accepted},
    {"COPIAI", K(WordKind::FiniteVerb), 40, RuleRefusal::Kind},
    {"CANTANDO", K(WordKind::Gerund), 40, RuleRefusal::Kind},
    {"MANTECARLE", K(WordKind::VerbWithPronouns), 40, RuleRefusal::Kind},
    {"AMMARAR", K(WordKind::Truncated), 40, RuleRefusal::Kind},
    {"ASCISC", 0, 0, RuleRefusal::Kind},
    {"MMXX", K(WordKind::Roman), 40, RuleRefusal::LongRoman},
    {"XII", K(WordKind::Roman), 40, RuleRefusal::Accepted},
    {"RM", K(WordKind::Sigla), 50, RuleRefusal::Accepted},
    {"ITA", K(WordKind::Sigla), 35, RuleRefusal::Accepted},
    {"QZA", K(WordKind::Sigla), 25, RuleRefusal::UnknownSigla},
    {"DI", K(WordKind::FunctionWord), 95, RuleRefusal::Accepted},
    {"CA", 0, 0, RuleRefusal::Accepted},   // the head and the half of CASA
    {"SA", 0, 0, RuleRefusal::Accepted},   // the tail of CASA
    {"AS", K(WordKind::FiniteVerb), 0, RuleRefusal::Accepted},  // the middle of CASA
    {"QX", 0, 0, RuleRefusal::ShortEntry},
    {"IOIDE", K(WordKind::Noun), 10, RuleRefusal::Rare},
    {"BACCANO", K(WordKind::Noun), 80, RuleRefusal::Banned},
    {"VAFFA", K(WordKind::OtherWord), 40, RuleRefusal::Vulgar},
    {"STRONZO", K(WordKind::Noun), 40, RuleRefusal::Accepted},  // the setter's own list has it
};

TEST(WordRules, EachWordIsJudgedByItsBestKindItsLengthAndTheSettersChoices) {
    FactsWriter writer;
    writer.addDictionary("base.diz");
    std::vector<std::string> words;
    for (const Judged& j : TABLE) {
        writer.set(j.word, FactRecord{j.kinds, uint8_t(j.familiarity), 0, NO_LEMMA});
        words.emplace_back(j.word);
    }
    writer.addNote("RM", NoteGroup::ProvinceCode, "Roma");
    writer.addNote("ITA", NoteGroup::CountryCode, "Italia");
    std::sort(words.begin(), words.end());
    // The setter's own list holds a word no source knows, a banned one and a vulgar one.
    const Lexicon lexicon(testing::dictionarySet({words, {"BACCANO", "STRONZO", "ZUZZU"}}),
                          FactsFile::decode(writer.encode()));
    const std::vector<std::string> banned = parseBannedWords("# parole mie\n  baccàno \r\n\nBaccano\n1x\n");
    EXPECT_EQ(banned, std::vector<std::string>{"BACCANO"});
    const WordRules rules(*lexicon.facts(), EditorRules{true, FAMILIARITY_COMMON, banned});
    const WordTable& table = lexicon.words();
    for (const Judged& j : TABLE) {
        const int length = int(std::string_view(j.word).size());
        EXPECT_EQ(rules.refusal(length, table.find(j.word)), j.expected) << j.word;
        EXPECT_EQ(rules.accepts(length, table.find(j.word)), j.expected == RuleRefusal::Accepted) << j.word;
    }
    EXPECT_TRUE(rules.accepts(5, table.find("ZUZZU")));
    EXPECT_LT(rules.cost(4, table.find("CASA")), rules.cost(3, table.find("ARA")));
    EXPECT_LT(rules.cost(3, table.find("ARA")), rules.cost(3, table.find("ITA")));

    // The result list: a line is refused when every word it offers is.
    const std::vector<std::string> lines{"COPIAI -1", "CASA -1", "AMAT(EO) -1"};
    EXPECT_EQ(refusedListLines(rules, lines, 1), (std::vector<bool>{true, false, false}));
}

TEST(WordRules, OnlyTheAcceptedFormsOfALemmaAreLinked) {
    FactsWriter writer;
    writer.addDictionary("base.diz");
    const uint32_t notaio = writer.lemmaId("NOTAIO"), amare = writer.lemmaId("AMARE");
    writer.set("NOTAIO", {K(WordKind::Noun), 50, 0, notaio});
    writer.set("NOTAIA", {K(WordKind::Noun), 40, 0, notaio});
    writer.set("NOTAI", {K(WordKind::Noun), 40, 0, notaio});
    writer.set("AMARE", {K(WordKind::Infinitive), 70, 0, amare});
    writer.set("AMAVO", {K(WordKind::FiniteVerb), 50, 0, amare});
    const Lexicon lexicon(testing::dictionarySet({{"AMARE", "AMAVO", "NOTAI", "NOTAIA", "NOTAIO"}}),
                          FactsFile::decode(writer.encode()));
    const WordRules rules(*lexicon.facts(), EditorRules{true, FAMILIARITY_ALL, {}});
    const WordTable& table = lexicon.words();
    EXPECT_EQ(rules.lemmaForms(6, table.find("NOTAIA")).size(), 3u);
    EXPECT_TRUE(rules.lemmaForms(5, table.find("AMARE")).empty());  // AMAVO is refused
}

}  // namespace
}  // namespace quirvo
