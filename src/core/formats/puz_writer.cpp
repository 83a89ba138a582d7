#include <algorithm>
#include <array>

#include "core/common/text_encoding.h"
#include "core/document/clue_list.h"
#include "core/formats/puz.h"
#include "core/grid/cell_codes.h"

namespace quirvo {

namespace {

constexpr std::size_t HEADER_BYTES = 0x34;
constexpr std::size_t CIB_OFFSET = 0x2C;
constexpr std::size_t CIB_BYTES = 8;

void put16(std::string& bytes, std::size_t at, uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

// The strings of the file after the grids, each ended by a zero byte.
struct PuzStrings {
    std::string title, author, copyright, notes;
    std::vector<std::string> clues;
};

// A string of the file: code page 1252, and never a zero byte inside.
std::string puzText(std::string_view utf8) {
    std::string text = utf8ToCp1252(utf8);
    std::replace(text.begin(), text.end(), '\0', ' ');
    return text;
}

std::vector<std::string> cluesInFileOrder(const Puzzle& puzzle, const Grid& grid) {
    std::vector<Clue> all = cluesOf(grid, puzzle.definitions, Direction::Across);
    const std::vector<Clue> down = cluesOf(grid, puzzle.definitions, Direction::Down);
    all.insert(all.end(), down.begin(), down.end());
    std::stable_sort(all.begin(), all.end(), [](const Clue& a, const Clue& b) { return a.number < b.number; });
    std::vector<std::string> texts;
    for (const Clue& c : all) texts.push_back(puzText(c.text));
    return texts;
}

// The checksum over the strings as the format defines it: title, author,
// copyright and notes with their zero byte and only when not empty, clues
// without it.
uint16_t stringsChecksum(const PuzStrings& s, uint16_t cksum) {
    const auto withZero = [&cksum](const std::string& text) {
        if (!text.empty()) cksum = puzChecksum(std::string_view(text.c_str(), text.size() + 1), cksum);
    };
    withZero(s.title);
    withZero(s.author);
    withZero(s.copyright);
    for (const std::string& clue : s.clues) cksum = puzChecksum(clue, cksum);
    withZero(s.notes);
    return cksum;
}

void writeChecksums(std::string& bytes, std::string_view solution, std::string_view state, const PuzStrings& s) {
    const uint16_t cib = puzChecksum(std::string_view(bytes).substr(CIB_OFFSET, CIB_BYTES), 0);
    const uint16_t whole = stringsChecksum(s, puzChecksum(state, puzChecksum(solution, cib)));
    put16(bytes, 0x00, whole);
    put16(bytes, 0x0E, cib);
    const std::array<uint16_t, 4> parts = {cib, puzChecksum(solution, 0), puzChecksum(state, 0), stringsChecksum(s, 0)};
    const std::string_view mask = "ICHEATED";
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[0x10 + i] = static_cast<char>(mask[i] ^ (parts[i] & 0xFF));
        bytes[0x14 + i] = static_cast<char>(mask[i + 4] ^ (parts[i] >> 8));
    }
}

}  // namespace

uint16_t puzChecksum(std::string_view bytes, uint16_t cksum) {
    for (unsigned char b : bytes) {
        cksum = static_cast<uint16_t>((cksum & 1) ? (cksum >> 1) + 0x8000 : cksum >> 1);
        cksum = static_cast<uint16_t>(cksum + b);
    }
    return cksum;
}

PuzWrite writePuz(const Puzzle& puzzle) {
    const Grid grid = withStandardBlocks(puzzle.grid);
    std::string solution, state;
    for (int r = 0; r < grid.rowCount; ++r) {
        for (int c = 0; c < grid.colCount; ++c) {
            const char code = grid.cell(r, c);
            if (code != BLACK_CELL && !isLetterCode(code))
                return {{}, "lo schema ha caselle bianche vuote, e il formato .puz vuole la soluzione completa"};
            solution += code == BLACK_CELL ? '.' : code;
            state += code == BLACK_CELL ? '.' : '-';
        }
    }
    PuzStrings strings{puzText(puzzle.title), puzText(puzzle.author), {}, {}, cluesInFileOrder(puzzle, grid)};

    std::string bytes(HEADER_BYTES, '\0');
    bytes.replace(0x02, 12, std::string_view("ACROSS&DOWN\0", 12));
    bytes.replace(0x18, 4, std::string_view("1.3\0", 4));
    bytes[0x2C] = static_cast<char>(grid.colCount);
    bytes[0x2D] = static_cast<char>(grid.rowCount);
    put16(bytes, 0x2E, static_cast<uint16_t>(strings.clues.size()));
    put16(bytes, 0x30, 1);
    writeChecksums(bytes, solution, state, strings);

    bytes += solution;
    bytes += state;
    for (const std::string* s : {&strings.title, &strings.author, &strings.copyright}) bytes += *s + '\0';
    for (const std::string& clue : strings.clues) bytes += clue + '\0';
    bytes += strings.notes + '\0';
    return {std::move(bytes), {}};
}

}  // namespace quirvo
