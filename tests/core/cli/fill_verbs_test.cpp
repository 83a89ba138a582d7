// The insight and fill verbs of quirvo-diz, driven through the binary over
// a program folder of their own.
#include <gtest/gtest.h>

#include "../dictionary/temp_folder.h"
#include "core/dictionary/diz_codec.h"
#include "core/files/grid_file.h"
#include "run_cli.h"

namespace quirvo {
namespace {

using testing::TempFolder;

testing::CliRun quirvoDiz(const TempFolder& folder, const std::string& arguments) {
    return testing::runQuirvoDiz(arguments + " --dir '" + folder.path().string() + "'");
}

void writeGrid(const TempFolder& folder, const std::string& name, const std::vector<std::string>& rows) {
    std::string bytes = std::to_string(rows.size()) + "," + std::to_string(rows[0].size()) + "\r\n";
    for (std::string row : rows) {
        for (char& c : row)
            if (c == '#') c = '\x10';
        bytes += "\"" + row + "\"\r\n";
    }
    folder.write(name, bytes);
}

std::string jsonRows(const Grid& grid) {
    std::string rows = "[";
    for (int r = 0; r < grid.rowCount; ++r) {
        std::string row = grid.gridRows[size_t(r)];
        for (char& c : row)
            if (c == '\x10') c = '#';
        rows += (r ? ", \"" : "\"") + row + "\"";
    }
    return rows + "]";
}

// base.diz with a vowel-set entry, and a plain list repeating one word.
void fillFolder(const TempFolder& folder) {
    folder.write("base.diz", encodeDiz("AB\r\nAC\r\nBD\r\nCAS!\r\nCD\r\n"));
    folder.write("altre.dic", "AB\r\nCE\r\nED\r\n");
}

TEST(InsightVerb, PrintsSlotsDeadAndForcedCells) {
    TempFolder folder;
    fillFolder(folder);
    writeGrid(folder, "forced.qrv", {"A?", "??"});
    EXPECT_EQ(quirvoDiz(folder, "insight --off 2 '" + folder.file("forced.qrv") + "'").out,
              "{\"slots\": [{\"row\": 0, \"col\": 0, \"dir\": \"across\", \"length\": 2, \"candidates\": 2}, "
              "{\"row\": 1, \"col\": 0, \"dir\": \"across\", \"length\": 2, \"candidates\": 4}, "
              "{\"row\": 0, \"col\": 0, \"dir\": \"down\", \"length\": 2, \"candidates\": 2}, "
              "{\"row\": 0, \"col\": 1, \"dir\": \"down\", \"length\": 2, \"candidates\": 4}], "
              "\"dead\": [], \"forced\": [[1, 1, \"D\"]], \"consistent\": true}\n");
    writeGrid(folder, "dead.qrv", {"Z?", "?#"});
    EXPECT_EQ(quirvoDiz(folder, "insight '" + folder.file("dead.qrv") + "'").out,
              "{\"slots\": [{\"row\": 0, \"col\": 0, \"dir\": \"across\", \"length\": 2, \"candidates\": 0}, "
              "{\"row\": 0, \"col\": 0, \"dir\": \"down\", \"length\": 2, \"candidates\": 0}], "
              "\"dead\": [[0, 0], [0, 1], [1, 0]], \"forced\": [], \"consistent\": false}\n");
}

TEST(FillVerb, FillsProvesAndWritesTheGrid) {
    TempFolder folder;
    fillFolder(folder);
    writeGrid(folder, "small.qrv", {"????", "?###"});
    testing::CliRun run = quirvoDiz(folder, "fill --seed 3 --out '" + folder.file("out.qrv") + "' '" +
                                                folder.file("small.qrv") + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("{\"result\": \"filled\", \"rows\": [\"CAS", 0), 0u) << run.out;
    const GridFileRead written = readGridFile(folder.read("out.qrv"));
    ASSERT_TRUE(written.ok());
    EXPECT_NE(run.out.find(jsonRows(written.grid)), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"words_by_dictionary\": {\"base.diz\": "), std::string::npos) << run.out;
    writeGrid(folder, "none.qrv", {"C?", "??"});
    run = quirvoDiz(folder, "fill --out '" + folder.file("none-out.qrv") + "' '" + folder.file("none.qrv") + "'");
    EXPECT_NE(run.out.find("{\"result\": \"no fill\", \"rows\": [\"C?\", \"??\"], \"seconds\": "), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"cost\": 0, \"words_by_dictionary\": {}}\n"), std::string::npos) << run.out;
    EXPECT_TRUE(folder.read("none-out.qrv").empty());
}

TEST(FillVerb, AGridThatCannotBeReadWritesNothing) {
    TempFolder folder;
    fillFolder(folder);
    folder.write("bad.qrv", "3,x\r\n");
    for (const char* verb : {"fill --out '" , "insight --off 2 '"}) {
        const std::string out = std::string(verb).rfind("fill", 0) == 0 ? folder.file("o.qrv") + "' '" : "";
        const testing::CliRun run = quirvoDiz(folder, std::string(verb) + out + folder.file("bad.qrv") + "'");
        EXPECT_EQ(run.status, 1) << verb;
        EXPECT_EQ(run.out, "") << verb;
    }
    EXPECT_TRUE(folder.read("o.qrv").empty());
    EXPECT_EQ(quirvoDiz(folder, "fill --seconds soon x.qrv").status, 2);
}

}  // namespace
}  // namespace quirvo
