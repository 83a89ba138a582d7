// The readers of the verb tables, the committed grammar lists and the forms
// only their shape tells, on small inputs.
#include <gtest/gtest.h>

#include "../support/dictionary_builders.h"
#include "core/facts/grammar_facts.h"
#include "core/facts/morphit_facts.h"
#include "core/facts/orphan_forms.h"
#include "core/facts/roman_numerals.h"

namespace quirvo {
namespace {

struct Expect {
    const char* word;
    WordKind best;
    const char* lemma;  // "" for none
};

void expectFacts(FactSheet& sheet, std::initializer_list<Expect> cases) {
    FactsWriter writer;
    sheet.write(writer);
    const auto file = FactsFile::decode(writer.encode());
    ASSERT_TRUE(file);
    for (const Expect& c : cases) {
        bool seen = false;
        file->forEachWord([&](std::string_view word, const FactRecord& r) {
            if (word != c.word) return;
            seen = true;
            EXPECT_EQ(kindKey(bestKind(r.kinds)), kindKey(c.best)) << word;
            EXPECT_EQ(r.lemma == NO_LEMMA ? "" : file->lemma(r.lemma), c.lemma) << word;
        });
        EXPECT_TRUE(seen) << c.word;
    }
}

TEST(WordSources, MorphItTablesWithPronounsInTheGerundAndInfinitive) {
    const DictionarySet dicts = testing::dictionarySet({{"AMARE", "AMO", "AMATA", "AMANTE", "AMANDOLA", "AMANDO",
                                                         "AMARTI", "ACCORGERSI", "CANE", "CANI", "ROSSO", "ROSSE"}});
    const WordTable table(dicts);
    FactSheet sheet(table);
    EXPECT_TRUE(addMorphItVerbs(R"({"amare": {"ind": {"pres": {"S1": "amo"}}, "part": {"past": {"SF": "amata"},
        "pres": {"S": "amante"}}, "ger": {"pres": "amandola"}, "inf": {"pres": "amarti"}},
        "accorgersi": {"inf": {"pres": "accorgersi"}}, "bad": 3})",
                                sheet));
    EXPECT_TRUE(addMorphItNouns(R"({"cane": {"G": "M", "P": "cani"}, "4x4": {"P": "4x4"}})", sheet));
    EXPECT_TRUE(addMorphItAdjectives(R"({"rosso": {"MP": "rossi", "FS": "rossa", "FP": "rosse"}})", sheet));
    EXPECT_FALSE(addMorphItVerbs("[1, 2]", sheet));
    EXPECT_FALSE(addMorphItNouns("{\"cane\": ", sheet));
    expectFacts(sheet, {{"AMARE", WordKind::Infinitive, "AMARE"},
                        {"AMO", WordKind::FiniteVerb, "AMARE"},
                        {"AMATA", WordKind::PastParticiple, "AMARE"},
                        {"AMANTE", WordKind::PresentParticiple, "AMARE"},
                        {"AMANDOLA", WordKind::VerbWithPronouns, "AMARE"},
                        {"AMANDO", WordKind::Gerund, "AMARE"},  // found inside AMANDOLA
                        {"AMARTI", WordKind::VerbWithPronouns, "AMARE"},
                        {"ACCORGERSI", WordKind::VerbWithPronouns, "ACCORGERE"},
                        {"CANI", WordKind::Noun, "CANE"},
                        {"ROSSE", WordKind::Noun, "ROSSO"}});
}

TEST(WordSources, FormsTheirShapeTellsGrammarListsAndRomanNumerals) {
    const DictionarySet dicts = testing::dictionarySet(
        {{"UDIRE", "UDREBBERO", "AMORE", "AMOR", "SPINA", "SPIN", "INFORMARE", "INFORMARNE", "INFORMARNELO",
          "SEDERE", "SEDEVI", "SLENTARE", "SLENTEREMMO", "DEL", "SONO", "XL", "MCMXCIV", "IIII", "FORMALE",
          "VEDERE", "VEDANO", "VEDANSI", "BUON", "BUONO", "BEL", "BELLO", "STARE", "STA", "STATTENE", "DAMMI"}});
    const WordTable table(dicts);
    FactSheet sheet(table);
    for (const char* verb : {"UDIRE", "INFORMARE", "SEDERE", "SLENTARE"})
        sheet.addKind(verb, WordKind::Infinitive, verb, FactSource::Hunspell);
    sheet.addKind("AMORE", WordKind::Noun, "AMORE", FactSource::Hunspell);
    sheet.addKind("SPINA", WordKind::Noun, "SPINA", FactSource::Hunspell);
    sheet.addKind("FORMALE", WordKind::Noun, "FORMALE", FactSource::Hunspell);
    sheet.addKind("VEDANO", WordKind::FiniteVerb, "VEDERE", FactSource::Hunspell);
    sheet.addKind("STA", WordKind::FiniteVerb, "STARE", FactSource::Hunspell);
    sheet.addKind("BUON", WordKind::Noun, "BUON", FactSource::MorphIt);
    sheet.addKind("BEL", WordKind::Noun, "BEL", FactSource::MorphIt);
    sheet.addKind("BEL", WordKind::Sigla, "", FactSource::Sigle);
    sheet.addSubtitleRank("AMORE", 100);
    sheet.addSubtitleRank("AMOR", 5000);
    sheet.addSubtitleRank("SPINA", 5000);
    sheet.addSubtitleRank("SPIN", 9000);  // not four times less frequent: a word of its own
    for (const char* w : {"UDREBBERO", "AMOR", "SPIN", "INFORMARNE", "INFORMARNELO", "SEDEVI", "SLENTEREMMO",
                          "IIII", "FORMALE", "VEDANSI", "STATTENE", "DAMMI"}) {
        sheet.addSource(w, FactSource::WordList);
        sheet.addHint(w, WordHint::PlainWord);
    }
    addOrphanForms(sheet);
    addFunctionWords("# articulated prepositions\ndel  della\n", sheet);
    EXPECT_TRUE(addAuxiliaryVerbs("# essere\nessere finite_verb = sono sei\n", sheet));
    EXPECT_FALSE(addAuxiliaryVerbs("essere participio = stato\n", sheet));
    addRomanNumerals(sheet);
    EXPECT_TRUE(addTruncations("# truncations\nbuon = buono\nbel = bello\n", sheet));
    EXPECT_FALSE(addTruncations("bu0n = buono\n", sheet));
    expectFacts(sheet, {{"UDREBBERO", WordKind::FiniteVerb, "UDIRE"},
                        {"AMOR", WordKind::Truncated, "AMORE"},
                        {"SPIN", WordKind::OtherWord, "SPIN"},
                        {"INFORMARNE", WordKind::VerbWithPronouns, "INFORMARE"},
                        {"INFORMARNELO", WordKind::VerbWithPronouns, "INFORMARE"},
                        {"SEDEVI", WordKind::FiniteVerb, "SEDERE"},
                        {"SLENTEREMMO", WordKind::FiniteVerb, "SLENTARE"},
                        {"FORMALE", WordKind::Noun, "FORMALE"},  // known: no orphan
                        {"VEDANSI", WordKind::VerbWithPronouns, "VEDERE"},
                        {"STATTENE", WordKind::VerbWithPronouns, "STARE"},
                        {"DAMMI", WordKind::OtherWord, "DAMMI"},  // DA is no verb on this sheet
                        {"BUON", WordKind::Truncated, "BUONO"},  // no noun of its own
                        {"BEL", WordKind::Sigla, "BELLO"},      // the code of Belgium still
                        {"DEL", WordKind::FunctionWord, ""},
                        {"SONO", WordKind::FiniteVerb, "ESSERE"},
                        {"XL", WordKind::Roman, ""},
                        {"MCMXCIV", WordKind::Roman, ""},
                        {"IIII", WordKind::OtherWord, "IIII"}});
}

TEST(WordSources, RomanNumeralsInStandardNotationOnly) {
    for (const char* valid : {"I", "IV", "IX", "XL", "XC", "CD", "CM", "DI", "MI", "LIX", "MMMCMXCIX", "MCMXCIV"})
        EXPECT_TRUE(isRomanNumeral(valid)) << valid;
    for (const char* invalid : {"", "IIII", "IC", "VX", "MMMM", "XXXX", "VV", "LL", "IL", "CIVIL", "DIM"})
        EXPECT_FALSE(isRomanNumeral(invalid)) << invalid;
}

}  // namespace
}  // namespace quirvo
