#include "core/dictionary/word_facts.h"

#include <gtest/gtest.h>

#include "../support/dictionary_builders.h"
#include "core/dictionary/lexicon.h"
#include "temp_folder.h"

namespace quirvo {
namespace {

FactRecord record(KindSet kinds, int familiarity, uint32_t lemma = NO_LEMMA) {
    return {kinds, uint8_t(familiarity), sourceBit(FactSource::MorphIt), lemma};
}

// A small facts file made for base.diz and d2.dic.
std::string sampleFacts() {
    FactsWriter w;
    w.addDictionary("base.diz");
    w.addDictionary("d2.dic");
    const uint32_t notaio = w.lemmaId("NOTAIO");
    w.set("NOTAIO", record(kindBit(WordKind::Noun), 40, notaio));
    w.set("NOTAIA", record(kindBit(WordKind::Noun), 30, notaio));
    w.set("ARA", record(kindBit(WordKind::Noun) | kindBit(WordKind::FiniteVerb), 20, w.lemmaId("ARA")));
    w.set("COPIAI", record(kindBit(WordKind::FiniteVerb), 10, w.lemmaId("COPIARE")));
    w.set("RM", record(kindBit(WordKind::Sigla), 60));
    w.addNote("RM", NoteGroup::ProvinceCode, "Roma");
    w.addNote("RM", NoteGroup::Abbreviation, "Repubblica di Mali");
    return w.encode();
}

TEST(WordFacts, TheFileReadsBackAndEveryDamageIsRefused) {
    const std::string bytes = sampleFacts();
    const auto file = FactsFile::decode(bytes);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->dictionaries(), (std::vector<std::string>{"base.diz", "d2.dic"}));
    EXPECT_EQ(file->wordCount(), 5u);
    std::vector<std::string> order;
    file->forEachWord([&](std::string_view word, const FactRecord&) { order.emplace_back(word); });
    EXPECT_EQ(order, (std::vector<std::string>{"RM", "ARA", "NOTAIO", "NOTAIA", "COPIAI"}));
    ASSERT_EQ(file->notes().size(), 2u);
    EXPECT_EQ(file->notes()[0].text, "Roma");

    // Every truncation, and every single flipped byte, is refused.
    for (size_t n = 0; n < bytes.size(); ++n) EXPECT_FALSE(FactsFile::decode(bytes.substr(0, n))) << n;
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::string damaged = bytes;
        damaged[i] = char(damaged[i] ^ 0x20);
        EXPECT_FALSE(FactsFile::decode(damaged)) << i;
    }
    EXPECT_FALSE(FactsFile::decode(bytes + "x"));
}

TEST(WordFacts, RecordsLieBesideTheTableAndTheSettersOwnWordsAreFamiliar) {
    DictionarySet dicts = testing::dictionarySet({{"ARA", "NOTAIO", "RM"}, {"COPIAI", "NOTAIA"}, {"ARA", "ZUZZU"}});
    Lexicon lexicon(std::move(dicts), FactsFile::decode(sampleFacts()));
    const WordFacts* facts = lexicon.facts();
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->personalSlots(), slotBit(3));
    const FactRecord notaia = facts->find("NOTAIA");
    EXPECT_EQ(bestKind(notaia.kinds), WordKind::Noun);
    EXPECT_EQ(facts->lemma(notaia), "NOTAIO");
    EXPECT_EQ(bestKind(facts->find("ARA").kinds), WordKind::Noun);
    EXPECT_EQ(facts->find("ARA").familiarity, WordFacts::PERSONAL_FAMILIARITY);  // also in slot 3
    EXPECT_EQ(bestKind(facts->find("COPIAI").kinds), WordKind::FiniteVerb);
    EXPECT_EQ(facts->lemma(facts->find("COPIAI")), "COPIARE");
    const FactRecord zuzzu = facts->find("ZUZZU");
    EXPECT_EQ(bestKind(zuzzu.kinds), WordKind::Unknown);
    EXPECT_EQ(zuzzu.familiarity, WordFacts::PERSONAL_FAMILIARITY);
    EXPECT_TRUE(facts->personal(5, lexicon.words().find("ZUZZU")));
    EXPECT_FALSE(facts->personal(6, lexicon.words().find("NOTAIO")));
    EXPECT_EQ(facts->notes("RM").size(), 2u);
    EXPECT_TRUE(facts->notes("ARA").empty());
    EXPECT_EQ(bestKind(facts->find("NESSUNA").kinds), WordKind::Unknown);
}

TEST(WordFacts, AMissingOrDamagedFileLeavesTheLexiconWithoutFacts) {
    testing::TempFolder folder;
    FactsLoad missing = loadFacts(folder.path().string());
    EXPECT_FALSE(missing.file);
    EXPECT_EQ(missing.warning, FACTS_MISSING_MESSAGE);
    std::string bytes = sampleFacts();
    bytes[20] ^= 1;  // in the head, which the loading reads whole
    folder.write(FACTS_FILE_NAME, bytes);
    FactsLoad damaged = loadFacts(folder.path().string());
    EXPECT_FALSE(damaged.file);
    EXPECT_EQ(damaged.warning, FACTS_DAMAGED_MESSAGE);
    folder.write(FACTS_FILE_NAME, sampleFacts() + "x");
    EXPECT_FALSE(loadFacts(folder.path().string()).file);

    // The letters are read only for a table of other words: the six-letter
    // words lie in another order here. Damaged, they lend no facts.
    const auto laidOut = [&](const std::string& bytes) {
        folder.write(FACTS_FILE_NAME, bytes);
        Lexicon lexicon(testing::dictionarySet({{"COPIAI", "NOTAIA", "NOTAIO", "RM"}}),
                        loadFacts(folder.path().string()).file);
        return std::pair(bestKind(lexicon.facts()->find("COPIAI").kinds), bestKind(lexicon.facts()->find("RM").kinds));
    };
    EXPECT_EQ(laidOut(sampleFacts()), std::pair(WordKind::FiniteVerb, WordKind::Sigla));
    bytes = sampleFacts();
    bytes[bytes.size() - 8] ^= 1;
    EXPECT_EQ(laidOut(bytes), std::pair(WordKind::Unknown, WordKind::Sigla));
    EXPECT_EQ(Lexicon(testing::dictionarySet({{"ARA"}})).facts(), nullptr);
}

}  // namespace
}  // namespace quirvo
