// Any bytes as the plain lists of a base dictionary and a second one, then
// a whole-grid check and a short fill over a small grid drawn from the
// first bytes: every word in the table is a run of A-Z found in a list,
// and a fill reads only words of the table, none twice.
#include <cstdint>
#include <set>
#include <string>

#include "core/dictionary/candidates.h"
#include "core/dictionary/dictionary_scan.h"
#include "core/fill/fill.h"
#include "core/fill/insight.h"

namespace {

using namespace quirvo;

Grid gridFrom(const uint8_t* data, size_t size) {
    Grid grid = Grid::blank(3, 4);
    for (size_t i = 0; i < 12 && i < size; ++i) {
        const char code = data[i] % 8 == 0 ? '\x10' : data[i] % 8 == 1 ? char('A' + data[i] % 26) : '?';
        grid.setCell(int(i / 4), int(i % 4), code);
    }
    return grid;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t cut = bytes.find('\0');
    DictionarySet dicts;
    dicts[1] = makeDictionary("base.diz", bytes.substr(0, cut));
    if (cut != std::string::npos) dicts[2] = makeDictionary("altro.dic", bytes.substr(cut + 1));
    const WordTable table(dicts);
    for (int length = 2; length <= WordTable::MAX_LENGTH; ++length)
        for (uint32_t w = 0; w < table.count(length); ++w) {
            const std::string_view word = table.word(length, w);
            if (word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string_view::npos) __builtin_trap();
            if (table.find(word) != w || table.dictionaries(length, w) == 0) __builtin_trap();
        }
    const Grid grid = gridFrom(data, size);
    insight(table, 0b11, grid);
    FillOptions options;
    options.seconds = 0.05;
    const FillResult result = fill(table, grid, options);
    if (result.outcome == FillOutcome::Filled && !result.report.repeated.empty()) __builtin_trap();
    return 0;
}
