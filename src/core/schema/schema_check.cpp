#include "core/schema/schema_check.h"

#include <set>

#include "core/fill/fill_cost.h"
#include "core/grid/cell_codes.h"
#include "core/grid/slot.h"

namespace quirvo {

namespace {

std::string cellFault(const Grid& start, const Grid& schema) {
    if (start.rowCount != schema.rowCount || start.colCount != schema.colCount) return "size changed";
    for (int r = 0; r < schema.rowCount; ++r)
        for (int c = 0; c < schema.colCount; ++c) {
            const char was = start.cell(r, c), now = schema.cell(r, c);
            const std::string at = " at " + std::to_string(r) + "," + std::to_string(c);
            if (!schema.isBlack(r, c) && !isLetterCode(now)) return "cell left empty" + at;
            if ((start.isBlack(r, c) || isLetterCode(was)) && was != now) return "fixed cell changed" + at;
        }
    return "";
}

std::string wordFault(const WordTable& table, const Grid& schema, const SchemaDemands& demands) {
    std::set<std::string> seen;
    for (const Slot& slot : slotsOf(schema)) {
        const std::string word = slot.pattern(schema);
        const uint32_t at = table.find(word);
        if (at == WordTable::NOT_FOUND || !table.firstDictionary(slot.length, at, demands.active))
            return word + " is no word";
        if (demands.rules && !demands.rules->accepts(slot.length, at)) return word + " refused by the rules";
        if (!seen.insert(word).second) return word + " read twice";
    }
    if (!demands.rules) return "";
    FillReport report;
    judgeFill(*demands.rules, schema, report);
    return report.refused.empty() ? "" : report.refused.front() + " shares a lemma";
}

}  // namespace

std::string schemaFault(const WordTable& table, const Grid& start, const Grid& schema, const SchemaDemands& demands) {
    if (std::string fault = cellFault(start, schema); !fault.empty()) return fault;
    if (std::string fault = structureFault(schema, demands.symmetry); !fault.empty()) return fault;
    if (blackCount(schema) > demands.maxBlack) return "too many black cells";
    return wordFault(table, schema, demands);
}

}  // namespace quirvo
