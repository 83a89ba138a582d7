// Schemas made over the default dictionaries as the build makes them, under
// the editor's rules when the word facts are there.
#include <gtest/gtest.h>

#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/lexicon.h"
#include "core/schema/generate_schema.h"
#include "core/schema/schema_check.h"

namespace quirvo {
namespace {

TEST(SchemaLibero, A9x9OfTheDefaultDictionariesPassesTheValidator) {
    DictionarySet dicts;
    Progress progress;
    ASSERT_FALSE(loadDictionaries(QUIRVO_PROGRAM_FOLDER, dicts, progress).fatal);
    const Lexicon lexicon(std::move(dicts), loadFacts(QUIRVO_PROGRAM_FOLDER).file);
    SchemaOptions options;
    options.active = activeMask(lexicon.dictionaries());
    if (lexicon.facts()) options.rules = std::make_shared<const WordRules>(*lexicon.facts(), EditorRules{true, 0, {}});
    options.symmetry = Symmetry::Rotate;
    options.attempts = 60;
    const Grid start = Grid::blank(9, 9);
    const SchemaResult result = generateSchema(lexicon.words(), start, options);
    ASSERT_EQ(result.outcome, SchemaOutcome::Filled);
    const SchemaDemands demands{options.active, options.rules.get(), options.symmetry,
                                blackBudget(9, 9, options.maxBlackShare)};
    for (const Schema& schema : result.schemas) EXPECT_EQ(schemaFault(lexicon.words(), start, schema.grid, demands), "");
}

}  // namespace
}  // namespace quirvo
