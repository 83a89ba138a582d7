#include <gtest/gtest.h>

#include "core/formats/ipuz.h"
#include "core/grid/cell_codes.h"
#include "../support/ascii_grid.h"

namespace quirvo {
namespace {

using testing::asciiGrid;

std::string textOf(const Puzzle& p, int r, int c, Direction d) {
    const Definition* def = p.definitions.find({static_cast<int16_t>(r), static_cast<int16_t>(c), d});
    return def ? def->text : "(nessuna)";
}

TEST(Ipuz, WrittenThenReadGivesTheSameGridNumbersAndDefinitions) {
    Puzzle p;
    p.grid = asciiGrid({"CASA#", "A?#OR", "@ORO?"});
    p.title = "Schema più facile";
    p.author = "Nicolò";
    p.definitions.set(p.grid, *slotAt(p.grid, 0, 0, Direction::Across), "Dimora \"bella\"");
    p.definitions.set(p.grid, *slotAt(p.grid, 1, 3, Direction::Down), "Prezioso");
    p.definitions.set(p.grid, *slotAt(p.grid, 0, 1, Direction::Down), "Due lettere");

    const std::string bytes = writeIpuz(p);
    EXPECT_NE(bytes.find("\"http://ipuz.org/crossword#1\""), std::string::npos);
    const IpuzRead read = readIpuz(bytes);
    ASSERT_TRUE(read.ok()) << read.error;
    const Grid expected = asciiGrid({"CASA#", "A?#OR", "#ORO?"});
    EXPECT_EQ(read.puzzle.grid.gridRows, expected.gridRows);
    EXPECT_EQ(read.puzzle.title, p.title);
    EXPECT_EQ(read.puzzle.author, p.author);
    Definitions defs = p.definitions;
    defs.follow(expected);
    EXPECT_EQ(read.puzzle.definitions, defs);
}

TEST(Ipuz, ImportsFilesWrittenInOtherProgramsStyles) {
    // Plain numbers, pairs, an omitted cell, lower case and accents.
    const IpuzRead plain = readIpuz(R"({
      "version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
      "dimensions": {"width": 3, "height": 3},
      "puzzle": [[1, 2, "#"], [3, 0, 4], [null, 5, 0]],
      "solution": [["c", "à", "#"], ["b", "o", "t"], [null, "l", "ò"]],
      "clues": {"Across": [[1, "Prima"], [3, "Robot"], [5, "Ecco"]], "Down": [[1, "Radio"], ["2", "Rivale"], [4, ""]]},
      "title": "Piccolo"})");
    ASSERT_TRUE(plain.ok()) << plain.error;
    EXPECT_EQ(plain.puzzle.grid.gridRows, asciiGrid({"CA#", "BOT", "#LO"}).gridRows);
    EXPECT_EQ(textOf(plain.puzzle, 1, 0, Direction::Across), "Robot");
    EXPECT_EQ(textOf(plain.puzzle, 0, 1, Direction::Down), "Rivale");
    EXPECT_EQ(textOf(plain.puzzle, 1, 2, Direction::Down), "(nessuna)");
    EXPECT_TRUE(plain.puzzle.definitions.orphans().empty());

    // Objects as cells, a block of its own, labelled directions, object clues.
    const IpuzRead objects = readIpuz(R"({
      "kind": ["http://ipuz.org/crossword#1"], "block": "*", "empty": "-",
      "dimensions": {"width": 2, "height": 2},
      "puzzle": [[{"cell": 1, "style": {"shapebg": "circle"}}, {"cell": 2}], [{"cell": "-"}, "*"]],
      "solution": [[{"value": "o"}, {"value": "e"}], [{"value": "r"}, "*"]],
      "clues": {"Across:Orizzontali": [{"number": 1, "clue": "Congiunzione", "enumeration": 2}],
                "Down:Verticali": [{"number": "1", "clue": "Oro"}]}})");
    ASSERT_TRUE(objects.ok()) << objects.error;
    EXPECT_EQ(objects.puzzle.grid.gridRows, asciiGrid({"OE", "R#"}).gridRows);
    EXPECT_EQ(textOf(objects.puzzle, 0, 0, Direction::Across), "Congiunzione");
    EXPECT_EQ(textOf(objects.puzzle, 0, 0, Direction::Down), "Oro");

    // No labels and no solution: our numbering places the clues.
    const IpuzRead bare = readIpuz(R"({"kind": ["http://ipuz.org/crossword"],
      "dimensions": {"width": 3, "height": 2}, "puzzle": [[0, 0, 0], [0, "#", 0]],
      "clues": {"Down": [[2, "Terza colonna"]]}})");
    ASSERT_TRUE(bare.ok()) << bare.error;
    EXPECT_EQ(bare.puzzle.grid.gridRows, asciiGrid({"???", "?#?"}).gridRows);
    EXPECT_EQ(textOf(bare.puzzle, 0, 2, Direction::Down), "Terza colonna");
}

TEST(Ipuz, RefusesWhatCannotBeAGridOfThisProgramCleanly) {
    const std::string head = R"({"kind": ["http://ipuz.org/crossword#1"], )";
    const std::string square = R"("dimensions": {"width": 2, "height": 2}, "puzzle": [[1, 2], [3, 0]])";
    struct Case {
        std::string bytes;
        std::string says;
    } cases[] = {
        {std::string(MAX_IPUZ_BYTES + 1, ' '), "troppo grande"},
        {std::string(40, '[') + std::string(40, ']'), "annidato"},
        {"{\"kind\": ", "JSON valido"},
        {"[1, 2]", "non è un documento ipuz"},
        {R"({"kind": ["http://ipuz.org/sudoku#1"]})", "non descrive un cruciverba"},
        {head + R"("dimensions": {"width": 36, "height": 2}})", "fuori dai limiti"},
        {head + R"("dimensions": {"width": 30, "height": 30}})", "fuori dai limiti"},
        {head + R"("dimensions": {"width": "2", "height": 2}})", "numeri interi"},
        {head + R"("dimensions": {"width": 2, "height": 2}})", "\"puzzle\""},
        {head + R"("dimensions": {"width": 2, "height": 2}, "puzzle": [[1, 2], [3]]})", "rettangolo"},
        {head + R"("dimensions": {"width": 2, "height": 2}, "puzzle": [[1, true], [3, 0]]})", "tipo di valore"},
        {head + square + R"(, "solution": [["AB", "C"], ["D", "E"]]})", "una sola lettera"},
        {head + square + R"(, "solution": [["1", "C"], ["D", "E"]]})", "non è una lettera"},
        {head + square + R"(, "clues": {"Across": ["Senza numero"]}})", "coppia"},
        {head + square + R"(, "clues": {"Across": [[9, "Altrove"]]}})", "non ha una casella"},
        {head + square + R"(, "clues": {"Diagonal": []}})", "non hanno posto"},
        {head + square + R"(, "title": 5})", "\"title\""},
    };
    for (const Case& c : cases) {
        const IpuzRead read = readIpuz(c.bytes);
        EXPECT_NE(read.error.find(c.says), std::string::npos) << c.bytes.substr(0, 80) << " -> " << read.error;
        EXPECT_FALSE(read.puzzle.grid.exists());
        EXPECT_TRUE(read.puzzle.definitions.empty());
    }
}

}  // namespace
}  // namespace quirvo
