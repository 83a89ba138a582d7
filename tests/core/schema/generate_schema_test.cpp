#include "core/schema/generate_schema.h"

#include <gtest/gtest.h>

#include "../support/ascii_grid.h"
#include "../support/dictionary_builders.h"
#include "../support/small_words.h"
#include "core/dictionary/lexicon.h"
#include "core/schema/schema_check.h"

namespace quirvo {
namespace {

using testing::asciiGrid;

// The small words with facts: every tenth a finite verb, which the rules
// refuse, and the words of the same first three letters forms of one lemma.
struct RuledWords {
    RuledWords() {
        FactsWriter writer;
        writer.addDictionary("base.diz");
        const std::vector<std::string> words = testing::smallWords();
        for (size_t i = 0; i < words.size(); ++i) {
            const KindSet kind = kindBit(i % 10 == 0 ? WordKind::FiniteVerb : WordKind::Noun);
            const uint32_t lemma = words[i].size() >= 5 ? writer.lemmaId(words[i].substr(0, 3)) : NO_LEMMA;
            writer.set(words[i], FactRecord{kind, 60, 0, lemma});
        }
        lexicon = std::make_unique<Lexicon>(testing::dictionarySet({words}), FactsFile::decode(writer.encode()));
        rules = std::make_shared<const WordRules>(*lexicon->facts(), EditorRules{true, FAMILIARITY_ALL, {}});
    }
    std::unique_ptr<Lexicon> lexicon;
    std::shared_ptr<const WordRules> rules;
};

const RuledWords& ruledWords() {
    static const RuledWords words;
    return words;
}

SchemaOptions boundedOptions(uint64_t seed) {
    SchemaOptions options;
    options.seed = seed;
    options.seconds = 600;
    options.attempts = 150;
    return options;
}

struct Case {
    std::vector<std::string> start;
    Symmetry symmetry;
    bool rules;
};

// A word of five letters the rules accept, to fix in a start as a theme word.
std::string themeWord() {
    const WordTable& table = ruledWords().lexicon->words();
    for (uint32_t i = 0;; ++i)
        if (ruledWords().rules->accepts(5, i)) return std::string(table.word(5, i));
}

TEST(GenerateSchema, EverySchemaAnsweredKeepsTheStartTheStructureAndTheRules) {
    const std::vector<Case> table{
        {{"??????", "??????", "??????", "??????", "??????"}, Symmetry::None, false},
        {{"??????", "??????", "??????", "??????", "??????", "??????"}, Symmetry::Rotate, true},
        {{"???????", "???????", "???????", "???????", "???????"}, Symmetry::Mirror, true},
        {{themeWord() + "#?", "???????", "???#???", "???????", "???????"}, Symmetry::None, true},
        {{"??", "??"}, Symmetry::None, false},
    };
    const WordTable& table_ = ruledWords().lexicon->words();
    for (const Case& c : table) {
        const Grid start = asciiGrid(c.start);
        SchemaOptions options = boundedOptions(3);
        options.symmetry = c.symmetry;
        options.maxBlackShare = 0.3;
        if (c.rules) options.rules = ruledWords().rules;
        const SchemaResult result = generateSchema(table_, start, options);
        ASSERT_EQ(result.outcome, SchemaOutcome::Filled) << c.start[0];
        EXPECT_GE(result.firstSeconds, 0);
        ASSERT_LE(result.schemas.size(), size_t(options.count));
        const SchemaDemands demands{options.active, options.rules.get(), c.symmetry,
                                    blackBudget(start.rowCount, start.colCount, options.maxBlackShare)};
        for (size_t i = 0; i < result.schemas.size(); ++i) {
            const Schema& schema = result.schemas[i];
            EXPECT_EQ(schemaFault(table_, start, schema.grid, demands), "") << c.start[0] << " schema " << i;
            EXPECT_EQ(schema.black, blackCount(schema.grid));
            if (i > 0) {
                EXPECT_LE(result.schemas[i - 1].black, schema.black);
            }
        }
    }
}

struct Judged {
    std::vector<const char*> start, schema;
    bool rules;
    int maxBlack;
    const char* fault;  // how schemaFault's answer starts
};

TEST(SchemaCheck, TheValidatorCatchesWhatASchemaMustNotBe) {
    FactsWriter writer;
    writer.addDictionary("base.diz");
    const uint32_t lemma = writer.lemmaId("AS");
    for (const char* word : {"AA", "SI", "SO", "TO"}) writer.set(word, {kindBit(WordKind::Noun), 60, 0, NO_LEMMA});
    writer.set("AS", {kindBit(WordKind::Noun), 60, 0, lemma});
    writer.set("AT", {kindBit(WordKind::Noun), 60, 0, lemma});
    writer.set("TI", {kindBit(WordKind::FiniteVerb), 60, 0, NO_LEMMA});
    const Lexicon lexicon(testing::dictionarySet({{"AA", "AS", "AT", "SI", "SO", "TI", "TO"}}),
                          FactsFile::decode(writer.encode()));
    const WordRules rules(*lexicon.facts(), EditorRules{true, FAMILIARITY_ALL, {}});
    const std::vector<Judged> table{
        {{"??", "??"}, {"AS", "TI"}, false, 0, ""},
        {{"??", "??"}, {"AS", "TI"}, true, 0, "TI refused by the rules"},
        {{"??", "??"}, {"AS", "TO"}, true, 0, "AT shares a lemma"},
        {{"??", "??"}, {"AS", "TO"}, false, 0, ""},
        {{"S?", "??"}, {"AS", "TI"}, false, 0, "fixed cell changed at 0,0"},
        {{"??", "?#"}, {"AS", "TI"}, false, 1, "fixed cell changed at 1,1"},
        {{"??", "??"}, {"AA", "AA"}, false, 0, "AA read twice"},
        {{"??", "??"}, {"AX", "TI"}, false, 0, "AX is no word"},
        {{"??", "??"}, {"A?", "TI"}, false, 0, "cell left empty at 0,1"},
        {{"???", "???"}, {"AS#", "TI#"}, false, 1, "too many black cells"},
        {{"???", "???"}, {"A#S", "T#I"}, false, 2, "white cells not connected"},
    };
    for (const Judged& j : table) {
        const SchemaDemands demands{slotBit(1), j.rules ? &rules : nullptr, Symmetry::None, j.maxBlack};
        const std::string fault = schemaFault(lexicon.words(), asciiGrid(j.start), asciiGrid(j.schema), demands);
        const bool expected = *j.fault ? fault.rfind(j.fault, 0) == 0 : fault.empty();
        EXPECT_TRUE(expected) << j.schema[0] << j.schema[1] << " gives '" << fault << "'";
    }
}

TEST(GenerateSchema, TheSameSeedGivesTheSameSchemas) {
    const WordTable& table = ruledWords().lexicon->words();
    const Grid start = Grid::blank(6, 7);
    SchemaOptions options = boundedOptions(9);
    options.rules = ruledWords().rules;
    const SchemaResult first = generateSchema(table, start, options), again = generateSchema(table, start, options);
    ASSERT_FALSE(first.schemas.empty());
    ASSERT_EQ(first.schemas.size(), again.schemas.size());
    for (size_t i = 0; i < first.schemas.size(); ++i)
        EXPECT_EQ(first.schemas[i].grid.gridRows, again.schemas[i].grid.gridRows) << i;
}

TEST(GenerateSchema, StopFlagAndTimeLimitAreHonoured) {
    const WordTable& table = ruledWords().lexicon->words();
    const Grid start = Grid::blank(9, 9);
    std::atomic<bool> stop{true};
    SchemaOptions options;
    options.stop = &stop;
    SchemaResult result = generateSchema(table, start, options);
    EXPECT_EQ(result.outcome, SchemaOutcome::Stopped);
    EXPECT_TRUE(result.schemas.empty());
    options.stop = nullptr;
    options.seconds = 0;
    result = generateSchema(table, start, options);
    EXPECT_EQ(result.outcome, SchemaOutcome::Stopped);
    EXPECT_EQ(result.progress.attempts, 0);
    options.seconds = 1e12;  // far past what the clock can count
    options.attempts = 20;
    options.maxBlackShare = 0.3;
    EXPECT_EQ(generateSchema(table, Grid::blank(5, 5), options).outcome, SchemaOutcome::Filled);
    options.maxBlackShare = 1.0 / 6;
    // Raised while the work runs, the flag ends it long before its hour.
    stop = false;
    options.stop = &stop;
    options.seconds = 3600;
    options.attempts = 0;
    int reports = 0;
    options.progress = [&](const SchemaProgress&) { stop = ++reports >= 2; };
    result = generateSchema(table, start, options);
    EXPECT_EQ(reports, 3);  // two while working, one at the end
}

TEST(GenerateSchema, AnImpossibleStartEndsStoppedWithNoSchema) {
    const WordTable& table = ruledWords().lexicon->words();
    const std::vector<std::vector<const char*>> starts{
        {"?Q????", "??????", "??????", "??????"},  // no word holds a Q
        {"#?????", "??????", "??????", "?????A"},  // the rotated partner of a black cell is a letter
    };
    for (const auto& rows : starts) {
        SchemaOptions options = boundedOptions(1);
        options.attempts = 40;
        options.symmetry = Symmetry::Rotate;
        const SchemaResult result = generateSchema(table, asciiGrid(rows), options);
        EXPECT_EQ(result.outcome, SchemaOutcome::Stopped) << rows[0];
        EXPECT_TRUE(result.schemas.empty()) << rows[0];
    }
}

}  // namespace
}  // namespace quirvo
