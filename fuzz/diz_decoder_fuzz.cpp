// The .diz decoder on any bytes: it must reject or decode, never crash or
// allocate beyond what the bytes produce; anything encoded decodes back;
// a damaged or cut file is rejected or gives back the very same text.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/dictionary/diz_codec.h"

namespace {

using namespace quirvo;

// Checks what the decoder shows of each line against the line before.
class CheckingSink : public DizLineSink {
public:
    void line(const char* text, size_t start, size_t length, size_t shared) override {
        if (shared > length || shared > previous_.size() ||
            std::string_view(text + start, shared) != std::string_view(previous_).substr(0, shared))
            __builtin_trap();
        previous_.assign(text + start, length);
    }

private:
    std::string previous_;
};

void expectSameOrRejected(std::string_view diz, std::string_view text) {
    const DizDecodeResult decoded = decodeDiz(diz);
    if (decoded.ok() && decoded.text != text) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    CheckingSink sink;
    decodeDiz(input, DizLimits{1u << 24}, nullptr, &sink);

    std::string diz = encodeDiz(input);
    const DizDecodeResult back = decodeDiz(diz);
    if (!back.ok() || back.text != input) __builtin_trap();

    if (size >= 3) {
        expectSameOrRejected(std::string_view(diz).substr(0, (data[0] | data[1] << 8) % diz.size()), input);
        diz[(data[0] | data[1] << 8) % diz.size()] ^= static_cast<char>(data[2] | 1);
        expectSameOrRejected(diz, input);
    }
    return 0;
}
