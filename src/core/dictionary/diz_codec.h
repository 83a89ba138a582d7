#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/progress.h"

namespace quirvo {

// The .diz dictionary format: a fixed header and a zlib stream of the
// front-coded lines of a plain list. Any bytes round-trip exactly; see
// docs/diz-format.md for the layout.
inline constexpr char DIZ_MAGIC[8] = {'Q', 'U', 'I', 'R', 'V', 'D', 'I', 'Z'};
inline constexpr uint16_t DIZ_VERSION = 1;
inline constexpr size_t DIZ_HEADER_SIZE = 32;

// Why a .diz could not be decoded.
enum class DizError {
    None,
    NotDiz,          // too short for the magic, or another magic
    BadVersion,      // a version this program does not read
    Truncated,       // the file ends before the header or the body does
    TrailingData,    // bytes after the body
    BadHeader,       // sizes or flags that no encoder writes
    TooLarge,        // plain text above the caller's limit
    CorruptBody,     // zlib reports damage, or the line records do not fit
    SizeMismatch,    // the body decodes to other sizes or counts than declared
    ChecksumMismatch,
    Stopped,         // the caller's Progress asked to stop
};

struct DizLimits {
    uint32_t maxPlainSize = 1u << 30;
};

struct DizDecodeResult {
    DizError error = DizError::None;
    std::string text;  // the plain list when error is None, else empty
    bool ok() const { return error == DizError::None; }
};

// Encodes any bytes. Throws std::length_error above DizLimits{}.maxPlainSize.
std::string encodeDiz(std::string_view plain);

// Sees every line while the decoder rebuilds it, so a reader can index it
// while it is still in the cache. The line is text[start, start + length);
// its first `shared` bytes equal those of the line above. text is valid
// only during the call. A file rejected later may have shown lines already.
class DizLineSink {
public:
    virtual ~DizLineSink() = default;
    virtual void line(const char* text, size_t start, size_t length, size_t shared) = 0;
};

// Decodes and checks a whole .diz file held in memory. Never trusts the
// header for an allocation: buffers grow only with data actually decoded.
// With a progress, ticks it per line and polls it between chunks of the body.
DizDecodeResult decodeDiz(std::string_view file, const DizLimits& limits = {}, Progress* progress = nullptr,
                          DizLineSink* sink = nullptr);

// A short English explanation, for the command line.
std::string_view dizErrorText(DizError error);

}  // namespace quirvo
