// quirvo-diz build on any word list: whatever comes in, what comes out is a
// dictionary that the check finds nothing wrong with, and building it again
// from its own output changes nothing.
#include <cstdint>
#include <string>

#include "core/dictionary/dictionary_check.h"
#include "core/dictionary/word_list_builder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quirvo;
    if (size == 0) return 0;
    const BuildOptions options{.vowelSets = (data[0] & 1) != 0, .stripFlags = (data[0] & 2) != 0,
                               .minLength = 1u + data[0] % 3, .maxLength = 35};
    WordListBuilder builder(options);
    builder.addText(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    const std::string plain = joinPlainList(builder.finish());
    if (!checkPlainList(plain).empty()) __builtin_trap();

    WordListBuilder again(options);
    again.addText(plain);
    if (joinPlainList(again.finish()) != plain) __builtin_trap();
    return 0;
}
