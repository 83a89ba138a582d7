#include "core/schema/generate_schema.h"

#include "core/schema/pattern_maker.h"
#include "core/schema/schema_search.h"

namespace quirvo {

SchemaResult generateSchema(const WordTable& table, const Grid& start, const SchemaOptions& options) {
    const auto began = SchemaSearch::Clock::now();
    const std::optional<Grid> base = schemaBase(start, options.symmetry);
    if (!base) return {};
    return SchemaSearch(table, *base, options, began).run();
}

}  // namespace quirvo
