#include "core/files/grid_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/grid/cell_codes.h"

namespace quirvo {
namespace {

const std::string THREE_BY_FOUR = "3,4\r\n\"????\"\r\n\"A??B\"\r\n\"????\"\r\n";

TEST(GridFile, ThreeByFourExampleIsTwentyNineBytes) {
    Grid g = Grid::blank(3, 4);
    g.setCell(1, 0, 'A');
    g.setCell(1, 3, 'B');
    const std::string bytes = writeGridFile(g);
    EXPECT_EQ(bytes.size(), 29u);
    EXPECT_EQ(bytes, THREE_BY_FOUR);

    const GridFileRead read = readGridFile(bytes);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.grid.rowCount, 3);
    EXPECT_EQ(read.grid.colCount, 4);
    EXPECT_EQ(read.grid.maxWordLen, 4);
    const std::vector<std::string> rows = {"????", "A??B", "????", ""};
    EXPECT_EQ(read.grid.gridRows, rows);
}

TEST(GridFile, RoundTripsEveryCodeByteForByte) {
    Grid small = Grid::blank(2, 2);
    small.gridRows[0] = std::string("@") + BLACK_CELL;
    small.gridRows[1] = "Z?";

    Grid large = Grid::blank(25, 35);
    int k = 0;
    const std::string codes = std::string("?@") + BLACK_CELL + "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int r = 0; r < 25; ++r)
        for (int c = 0; c < 35; ++c) large.setCell(r, c, codes[k++ % codes.size()]);

    for (const Grid& g : {small, large}) {
        const std::string bytes = writeGridFile(g);
        const GridFileRead read = readGridFile(bytes);
        ASSERT_TRUE(read.ok()) << read.error;
        EXPECT_EQ(read.grid.rowCount, g.rowCount);
        EXPECT_EQ(read.grid.colCount, g.colCount);
        EXPECT_EQ(read.grid.maxWordLen, g.maxWordLen);
        ASSERT_EQ(read.grid.gridRows.size(), g.gridRows.size());
        for (int r = 0; r < g.rowCount; ++r) EXPECT_EQ(read.grid.gridRows[r], g.gridRows[r]);
        EXPECT_EQ(read.grid.gridRows.back(), "");
        EXPECT_EQ(writeGridFile(read.grid), bytes);
    }
    const std::string largeBytes = writeGridFile(large);
    EXPECT_EQ(std::count(largeBytes.begin(), largeBytes.end(), '\n'), 26);
}

TEST(GridFile, ToleratesBareLineFeedsMissingFinalEndAndTrailingBlankLines) {
    for (const std::string bytes : {"3,4\n\"????\"\n\"A??B\"\n\"????\"",
                                    "3,4\r\n\"????\"\r\n\"A??B\"\r\n\"????\"",
                                    "3,4\r\n\"????\"\r\n\"A??B\"\r\n\"????\"\r\n\r\n\n"}) {
        const GridFileRead read = readGridFile(bytes);
        ASSERT_TRUE(read.ok()) << read.error;
        EXPECT_EQ(writeGridFile(read.grid), THREE_BY_FOUR);
    }
}

TEST(GridFile, ShortRowsArePaddedWithEmptyCells) {
    const GridFileRead read = readGridFile("2,3\r\n\"A\"\r\n\"\"\r\n");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.grid.gridRows[0], "A??");
    EXPECT_EQ(read.grid.gridRows[1], "???");
}

TEST(GridFile, LowerCaseLettersAreReadAsUpperCase) {
    const GridFileRead read = readGridFile("2,4\r\n\"casa\"\r\n\"z?Az\"\r\n");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(writeGridFile(read.grid), "2,4\r\n\"CASA\"\r\n\"Z?AZ\"\r\n");
}

TEST(GridFile, RefusesEveryKindOfBadFile) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "vuoto"},
        {"ciao\r\n", "prima riga"},
        {"3 4\r\n", "prima riga"},
        {"3,\r\n\"????\"\r\n", "prima riga"},
        {"-3,4\r\n", "prima riga"},
        {" 2,2\r\n\"??\"\r\n\"??\"\r\n", "prima riga"},
        {"1,4\r\n\"????\"\r\n", "limiti"},
        {"26,4\r\n", "limiti"},
        {"2,36\r\n\"??\"\r\n\"??\"\r\n", "limiti"},
        {"25,35\r\n", "il file contiene 0 righe"},
        {"99999999999999999999,2\r\n", "limiti"},
        {"3,4\r\n\"????\"\r\n\"A??B\"\r\n", "2 righe dello schema invece di 3"},
        {"2,2\r\n\"??\"\r\n??\r\n", "riga 2 dello schema non è racchiusa"},
        {"2,2\r\n\"??\"\r\n\"??\r\n", "riga 2 dello schema non è racchiusa"},
        {"2,2\r\n\"??\"\r\n\"\r\n", "riga 2 dello schema non è racchiusa"},
        {"2,2\r\n\"???\"\r\n\"??\"\r\n", "riga 1 dello schema ha 3 caselle"},
        {"2,2\r\n\"?{\"\r\n\"??\"\r\n", "colonna 2 (codice 123)"},
        {"2,2\r\n\"`?\"\r\n\"??\"\r\n", "colonna 1 (codice 96)"},
        {"2,2\r\n\"??\"\r\n\"?\"\"\"\r\n", "riga 2 dello schema ha 3 caselle"},
        {"2,2\r\n\"?\"\"\r\n\"??\"\r\n", "colonna 2 (codice 34)"},
        {"2,2\r\n\"\xe8?\"\r\n\"??\"\r\n", "colonna 1 (codice 232)"},
        {std::string("2,2\r\n\"?\0\"\r\n\"??\"\r\n", 17), "colonna 2 (codice 0)"},
        {"2,3\r\n\"?\r?\"\r\n\"???\"\r\n", "colonna 2 (codice 13)"},
        {"2,2\r\n\"??\"\r\n\"??\"\r\n\"??\"\r\n", "altro testo"},
        {std::string(MAX_GRID_FILE_BYTES + 1, '\n'), "troppo grande"},
    };
    for (const auto& [bytes, expected] : cases) {
        const GridFileRead read = readGridFile(bytes);
        EXPECT_FALSE(read.ok()) << bytes;
        EXPECT_NE(read.error.find(expected), std::string::npos) << bytes << " -> " << read.error;
        EXPECT_EQ(read.grid.rowCount, 0);
        EXPECT_TRUE(read.grid.gridRows.empty());
    }
}

TEST(GridFile, ExtensionRuleIsExactAndCaseSensitive) {
    EXPECT_EQ(withGridExtension("/g/schema"), "/g/schema.qrv");
    EXPECT_EQ(withGridExtension("/g/schema.qrv"), "/g/schema.qrv");
    EXPECT_EQ(withGridExtension("/g/schema.QRV"), "/g/schema.QRV");
    EXPECT_EQ(withGridExtension("/g/schema.Qrv"), "/g/schema.Qrv.qrv");
    EXPECT_EQ(withGridExtension("rv"), "rv.qrv");
}

}  // namespace
}  // namespace quirvo
