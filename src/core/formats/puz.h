#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/formats/puzzle.h"

namespace quirvo {

// The Across Lite checksum of a region, continued from cksum.
uint16_t puzChecksum(std::string_view bytes, uint16_t cksum);

// The bytes of an Across Lite .puz file, or an Italian reason why the
// puzzle cannot be one (the format wants every white cell filled).
struct PuzWrite {
    std::string bytes;
    std::string error;
    bool ok() const { return error.empty(); }
};

// Version 1.3, unscrambled; strings in code page 1252; clues in the
// format's order (by number, across before down at the same number).
PuzWrite writePuz(const Puzzle& puzzle);

}  // namespace quirvo
