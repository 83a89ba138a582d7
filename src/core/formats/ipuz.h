#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/formats/puzzle.h"

namespace quirvo {

// An ipuz file of the largest grid with long definitions stays far below
// this; anything larger is refused before it is parsed.
inline constexpr std::size_t MAX_IPUZ_BYTES = 4 * 1024 * 1024;
// Crosswords nest a handful of levels; deeper JSON is refused unparsed.
inline constexpr int MAX_IPUZ_DEPTH = 16;

// The puzzle as an ipuz crossword (http://ipuz.org/v2, kind
// http://ipuz.org/crossword#1): block "#", the numbered puzzle grid, the
// solution, every slot's clue as a [number, text] pair.
std::string writeIpuz(const Puzzle& puzzle);

// What the reader made of an ipuz file: the puzzle, or an Italian reason
// why it cannot become a grid of this program (and then an empty puzzle).
struct IpuzRead {
    Puzzle puzzle;
    std::string error;
    bool ok() const { return error.empty(); }
};

IpuzRead readIpuz(std::string_view bytes);

}  // namespace quirvo
