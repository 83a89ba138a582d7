// Any bytes through the text conversions: whatever goes in, UTF-8 comes out
// valid and code page 1252 survives the round trip through UTF-8.
#include <cstdint>
#include <string>

#include "core/common/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quirvo;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = validUtf8(input);
    if (validUtf8(utf8) != utf8) __builtin_trap();
    if (utf8ToCp1252(cp1252ToUtf8(input)) != input) __builtin_trap();
    for (const std::string& mapped : {upperUtf8(input), lowerUtf8(input)})
        if (validUtf8(mapped) != mapped) __builtin_trap();
    if (upperCp1252(input).size() != input.size()) __builtin_trap();
    return 0;
}
