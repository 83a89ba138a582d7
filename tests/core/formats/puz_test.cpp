#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/formats/puz.h"
#include "../support/ascii_grid.h"

namespace quirvo {
namespace {

using testing::asciiGrid;

// The format's checksum written out again as a rotate-right and add, so the
// file is checked by a computation of its own rather than by the writer's.
uint16_t rotateAdd(const std::string& bytes, std::size_t from, std::size_t count, uint16_t c) {
    for (std::size_t i = from; i < from + count; ++i)
        c = static_cast<uint16_t>(((c >> 1) | ((c & 1) << 15)) + static_cast<unsigned char>(bytes[i]));
    return c;
}

uint16_t at16(const std::string& b, std::size_t i) {
    return static_cast<uint16_t>(static_cast<unsigned char>(b[i]) | static_cast<unsigned char>(b[i + 1]) << 8);
}

// The zero-ended strings after the two grids.
std::vector<std::string> stringsOf(const std::string& b, std::size_t from) {
    std::vector<std::string> out;
    while (from < b.size()) {
        const std::size_t end = b.find('\0', from);
        out.push_back(b.substr(from, end - from));
        from = end + 1;
    }
    return out;
}

// Title, author and copyright, then the clues, then the notes: the clues
// count without their zero byte, the others with it and only when not empty.
uint16_t stringsSum(const std::string& b, const std::vector<std::string>& strings, std::size_t pos, uint16_t c) {
    for (std::size_t i = 0; i < strings.size(); ++i) {
        const bool clue = i >= 3 && i + 1 < strings.size();
        if (!strings[i].empty()) c = rotateAdd(b, pos, strings[i].size() + (clue ? 0 : 1), c);
        pos += strings[i].size() + 1;
    }
    return c;
}

TEST(Puz, LayoutClueOrderAndEveryChecksumAgreeWithAnIndependentReading) {
    Puzzle p;
    p.grid = asciiGrid({"CASA#", "ORO#E", "#ARTE"});
    p.title = "Città";
    p.author = "Autore";
    p.definitions.set(p.grid, *slotAt(p.grid, 0, 0, Direction::Across), "Dimora");
    p.definitions.set(p.grid, *slotAt(p.grid, 0, 0, Direction::Down), "Fiume");
    p.definitions.set(p.grid, *slotAt(p.grid, 2, 1, Direction::Across), "Pittura è");

    const PuzWrite out = writePuz(p);
    ASSERT_TRUE(out.ok()) << out.error;
    const std::string& b = out.bytes;
    const std::size_t w = 5, h = 3, cells = w * h;
    ASSERT_GT(b.size(), 0x34 + 2 * cells);
    EXPECT_EQ(b.substr(2, 12), std::string("ACROSS&DOWN\0", 12));
    EXPECT_EQ(b.substr(0x18, 4), std::string("1.3\0", 4));
    EXPECT_EQ(static_cast<std::size_t>(b[0x2C]), w);
    EXPECT_EQ(static_cast<std::size_t>(b[0x2D]), h);
    EXPECT_EQ(b.substr(0x34, cells), "CASA.ORO.E.ARTE");
    EXPECT_EQ(b.substr(0x34 + cells, cells), "----.---.-.----");

    // Numbers: 1 CASA and CO, 2 ARA, 3 SOR, 4 ORO, 5 EE, 6 ARTE; across first at 1.
    const std::vector<std::string> strings = stringsOf(b, 0x34 + 2 * cells);
    const std::vector<std::string> expected = {"Citt\xe0", "Autore", "", "Dimora", "Fiume", "", "", "", "",
                                               "Pittura \xe8", ""};
    EXPECT_EQ(strings, expected);
    EXPECT_EQ(at16(b, 0x2E), 7);

    const uint16_t cib = rotateAdd(b, 0x2C, 8, 0);
    EXPECT_EQ(at16(b, 0x0E), cib);
    const uint16_t sol = rotateAdd(b, 0x34, cells, 0), grid = rotateAdd(b, 0x34 + cells, cells, 0);
    const std::size_t first = 0x34 + 2 * cells;
    const uint16_t text = stringsSum(b, strings, first, 0);
    const uint16_t whole = stringsSum(b, strings, first, rotateAdd(b, 0x34, 2 * cells, cib));
    EXPECT_EQ(at16(b, 0x00), whole);
    const uint16_t parts[4] = {cib, sol, grid, text};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(static_cast<unsigned char>(b[0x10 + i]), ("ICHE"[i] ^ (parts[i] & 0xFF))) << i;
        EXPECT_EQ(static_cast<unsigned char>(b[0x14 + i]), ("ATED"[i] ^ (parts[i] >> 8))) << i;
    }
}

TEST(Puz, RefusesAnUnfinishedGrid) {
    Puzzle p;
    p.grid = asciiGrid({"CA", "?O"});
    const PuzWrite out = writePuz(p);
    EXPECT_NE(out.error.find("soluzione completa"), std::string::npos);
    EXPECT_TRUE(out.bytes.empty());
}

}  // namespace
}  // namespace quirvo
