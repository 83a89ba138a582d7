#include "core/facts/fact_sheet.h"

#include <gtest/gtest.h>

#include "../support/dictionary_builders.h"
#include "core/facts/familiarity.h"

namespace quirvo {
namespace {

// The facts a sheet writes, read back from the file's bytes.
class Written {
public:
    explicit Written(FactSheet& sheet) {
        FactsWriter writer;
        writer.addDictionary("base.diz");
        sheet.write(writer);
        file_ = FactsFile::decode(writer.encode());
    }
    FactRecord operator[](std::string_view word) const {
        FactRecord found;
        file_->forEachWord([&](std::string_view w, const FactRecord& r) {
            if (w == word) found = r;
        });
        return found;
    }
    std::string_view lemma(std::string_view word) const {
        const FactRecord r = (*this)[word];
        return r.lemma == NO_LEMMA ? std::string_view() : file_->lemma(r.lemma);
    }

private:
    std::shared_ptr<const FactsFile> file_;
};

TEST(FactSheet, TheBestKindsLemmaAndFamiliarityThroughTheLemma) {
    const DictionarySet dicts = testing::dictionarySet({{"AMARE", "AMO", "AMAVAMO", "POSTA", "POSTARE", "POSTANO",
                                                         "NOTAIO", "NOTAIA", "NOTAIE", "ERA", "AMATO", "AMATISSIMO"}});
    const WordTable table(dicts);
    FactSheet sheet(table);
    sheet.addKind("ERA", WordKind::FiniteVerb, "ESSERE", FactSource::MorphIt);
    sheet.addKind("ERA", WordKind::Noun, "ERA", FactSource::MorphIt);
    sheet.addKind("AMO", WordKind::FiniteVerb, "AMARE", FactSource::MorphIt);
    sheet.addKind("AMAVAMO", WordKind::FiniteVerb, "AMARE", FactSource::MorphIt);
    sheet.addKind("AMARE", WordKind::Infinitive, "AMARE", FactSource::MorphIt);
    sheet.addKind("AMATISSIMO", WordKind::Noun, "AMATO", FactSource::Hunspell);
    sheet.addKind("AMATO", WordKind::PastParticiple, "AMATO", FactSource::MorphIt);
    sheet.addKind("POSTA", WordKind::Noun, "POSTA", FactSource::MorphIt);
    sheet.addKind("POSTA", WordKind::FiniteVerb, "POSTARE", FactSource::MorphIt);
    sheet.addKind("POSTANO", WordKind::FiniteVerb, "POSTARE", FactSource::MorphIt);
    sheet.addKind("POSTARE", WordKind::Infinitive, "POSTARE", FactSource::MorphIt);
    sheet.addKind("NOTAIO", WordKind::Noun, "NOTAIO", FactSource::MorphIt);
    sheet.addKind("NOTAIA", WordKind::Noun, "NOTAIA", FactSource::Hunspell);
    sheet.addKind("NOTAIE", WordKind::Noun, "NOTAIA", FactSource::Hunspell);
    sheet.addSubtitleRank("AMO", 500);
    sheet.addSubtitleRank("AMATO", 500);
    sheet.addWikipediaRank("POSTA", 3000);
    sheet.addSubtitleRank("NESSUNA", 1);  // outside the table: ignored
    sheet.relinkLemma("NOTAIA", "NOTAIO");
    const Written facts(sheet);

    EXPECT_EQ(bestKind(facts["ERA"].kinds), WordKind::Noun);
    EXPECT_EQ(facts.lemma("ERA"), "ERA");
    EXPECT_EQ(facts["AMAVAMO"].familiarity, 85);  // AMARE's rank, through AMO
    EXPECT_EQ(facts["AMATISSIMO"].familiarity, UNRANKED_FAMILIARITY);  // a superlative has a rank or none
    EXPECT_EQ(facts["AMO"].sources, sourceBit(FactSource::MorphIt) | sourceBit(FactSource::Frequency));
    EXPECT_EQ(facts["POSTA"].familiarity, 60);
    EXPECT_EQ(facts["POSTANO"].familiarity, UNRANKED_FAMILIARITY);  // POSTA counts as a noun only
    EXPECT_EQ(facts.lemma("NOTAIE"), "NOTAIO");
}

TEST(FactSheet, HintsSettleWhatNoSourceSaidAndListsRankOnlyKnownWords) {
    const DictionarySet dicts =
        testing::dictionarySet({{"ASCISC", "HOCKEY", "TEODIA", "ROMA", "RM", "AOSTA", "CIAO", "ZZZ", "NON", "ECC"}});
    const WordTable table(dicts);
    FactSheet sheet(table);
    sheet.addHint("ASCISC", WordHint::ElidedOnly);
    sheet.addHint("HOCKEY", WordHint::ElidedOnly);
    sheet.addHint("TEODIA", WordHint::PlainWord);
    sheet.addHint("CIAO", WordHint::Capitalised);
    for (const char* w : {"ASCISC", "HOCKEY", "TEODIA", "CIAO"}) sheet.addSource(w, FactSource::Hunspell);
    sheet.addWikipediaRank("HOCKEY", 20000);
    sheet.addKind("ROMA", WordKind::Name, "", FactSource::Places);
    sheet.addWikipediaRank("ROMA", 100);
    sheet.addKind("AOSTA", WordKind::Name, "", FactSource::Places);
    sheet.raiseFloor("AOSTA", 50);
    sheet.addKind("RM", WordKind::Sigla, "", FactSource::Sigle);
    sheet.addSubtitleRank("RM", 10);  // a sigla's letters in a list say nothing
    sheet.raiseFloor("RM", 50);
    for (const char* w : {"NON", "ECC"}) {  // a language code, an abbreviation
        sheet.addHint(w, WordHint::PlainWord);
        sheet.addKind(w, WordKind::Sigla, "", FactSource::Sigle);
    }
    sheet.addHint("ECC", WordHint::Abbreviation);
    const Written facts(sheet);

    const struct {
        const char* word;
        WordKind kind;
        int familiarity;
    } cases[] = {
        {"ASCISC", WordKind::Unknown, UNKNOWN_FAMILIARITY}, {"HOCKEY", WordKind::OtherWord, familiarityOfRank(20000)},
        {"TEODIA", WordKind::OtherWord, UNRANKED_FAMILIARITY}, {"CIAO", WordKind::Name, UNRANKED_FAMILIARITY},
        {"ROMA", WordKind::Name, familiarityOfRank(100)},     {"AOSTA", WordKind::Name, 50},
        {"RM", WordKind::Sigla, 50},                          {"ZZZ", WordKind::Unknown, UNKNOWN_FAMILIARITY},
        {"NON", WordKind::OtherWord, UNRANKED_FAMILIARITY},   {"ECC", WordKind::Sigla, UNRANKED_FAMILIARITY},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bestKind(facts[c.word].kinds), c.kind) << c.word;
        EXPECT_EQ(facts[c.word].familiarity, c.familiarity) << c.word;
    }
    EXPECT_EQ(facts.lemma("TEODIA"), "TEODIA");
}

TEST(FactSheet, FamiliarityScale) {
    const std::pair<uint32_t, int> points[] = {{1, 100}, {500, 85}, {3000, 60}, {25000, 30}, {10000000, 15}};
    for (const auto& [rank, familiarity] : points) EXPECT_EQ(familiarityOfRank(rank), familiarity) << rank;
}

}  // namespace
}  // namespace quirvo
