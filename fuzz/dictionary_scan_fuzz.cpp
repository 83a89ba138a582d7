// A plain list of any bytes through what the loader and quirvo-diz check do
// with it: mending, the letter index with its order warnings, the check.
// The index must point at line starts with the right initial, and indexing
// with the shared prefixes a decoder knows must agree with indexing without.
#include <algorithm>
#include <cstdint>
#include <string>

#include "core/dictionary/dictionary_check.h"
#include "core/dictionary/dictionary_scan.h"
#include "core/dictionary/plain_list.h"

namespace {

using namespace quirvo;

void checkIndex(const Dictionary& dict) {
    const std::string& text = dict.dictText;
    for (int letter = 0; letter < 27; ++letter) {
        const int32_t start = dict.dictLetterStart[letter];
        if (start == 0) continue;
        const size_t at = static_cast<size_t>(start) - 1;
        if (at >= text.size() || (at > 0 && (at < 2 || text.compare(at - 2, 2, "\r\n") != 0))) __builtin_trap();
        if (text[text.find_first_not_of(' ', at)] != '@' + letter) __builtin_trap();
    }
}

// Indexes again, telling the indexer how much each line shares with the one above.
void checkSharedPrefixesAgree(const Dictionary& dict, const std::vector<OrderWarning>& expected) {
    std::array<int32_t, 27> starts{};
    LetterIndexer indexer(starts);
    const std::string& text = dict.dictText;
    size_t previousPos = 0, previousLength = 0;
    forEachLine(text, [&](size_t pos, size_t len) {
        const auto shared = static_cast<size_t>(
            std::mismatch(text.begin() + pos, text.begin() + pos + std::min(len, previousLength),
                          text.begin() + previousPos).first - (text.begin() + pos));
        indexer.line(text.data(), pos, len, shared);
        previousPos = pos;
        previousLength = len;
    });
    const auto warnings = indexer.takeWarnings();
    if (starts != dict.dictLetterStart || warnings.size() != expected.size()) __builtin_trap();
    for (size_t i = 0; i < warnings.size(); ++i)
        if (warnings[i].entry != expected[i].entry || warnings[i].lineNumber != expected[i].lineNumber)
            __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    checkPlainList(input);

    Dictionary raw;
    raw.dictText = input;
    const auto rawWarnings = indexDictionary(raw);
    checkIndex(raw);
    checkSharedPrefixesAgree(raw, rawWarnings);

    Dictionary mended;
    mended.dictText = preparePlainList(input);
    if (needsPreparing(mended.dictText)) __builtin_trap();
    const auto warnings = indexDictionary(mended);
    checkIndex(mended);
    checkSharedPrefixesAgree(mended, warnings);
    return 0;
}
