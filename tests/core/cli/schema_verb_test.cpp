// The schema verb of quirvo-diz, driven through the binary over a program
// folder of its own.
#include <gtest/gtest.h>

#include "../dictionary/temp_folder.h"
#include "../support/small_words.h"
#include "core/dictionary/diz_codec.h"
#include "core/files/grid_file.h"
#include "run_cli.h"

namespace quirvo {
namespace {

using testing::TempFolder;

void schemaFolder(const TempFolder& folder) {
    std::string list;
    for (const std::string& word : testing::smallWords()) list += word + "\r\n";
    folder.write("base.diz", encodeDiz(list));
    folder.write("start.qrv", "3,4\r\n\"A???\"\r\n\"????\"\r\n\"????\"\r\n");
    folder.write("impossible.qrv", "3,4\r\n\"Q???\"\r\n\"????\"\r\n\"????\"\r\n");
}

testing::CliRun schema(const TempFolder& folder, const std::string& arguments) {
    return testing::runQuirvoDiz("schema " + arguments + " --dir '" + folder.path().string() + "'");
}

TEST(SchemaVerb, BadArgumentsExitWithTwoAndPrintNothing) {
    TempFolder folder;
    schemaFolder(folder);
    const std::string start = " --grid '" + folder.file("start.qrv") + "'";
    for (const std::string& arguments :
         {std::string("--rows 5"), std::string("--rows 1 --cols 5"), std::string("--rows 26 --cols 5"),
          std::string("--rows 5 --cols 36"), std::string("--rows x --cols 5"), std::string("--rows 5 --cols 5 --seconds"),
          std::string("--rows 5 --cols 5 --symmetry diagonal"), std::string("--rows 5 --cols 5 --max-black-share 1.5"),
          std::string("--rows 5 --cols 5 --count 0"), std::string("--rows 5 --cols 5 --rules tutte"),
          std::string("--rows 5 --cols 5 --bogus 1"), "--rows 4" + start}) {
        const testing::CliRun run = schema(folder, arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
    }
}

TEST(SchemaVerb, PrintsTheSchemasKeepsTheStartAndWritesTheBest) {
    TempFolder folder;
    schemaFolder(folder);
    const testing::CliRun run = schema(folder, "--grid '" + folder.file("start.qrv") +
                                                   "' --rules nessuna --max-black-share 0.3 --seconds 1 --count 2 --out '" +
                                                   folder.file("out.qrv") + "'");
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.out.rfind("{\"result\": \"filled\", \"schemas\": [{\"rows\": [\"A", 0), 0u) << run.out;
    const GridFileRead written = readGridFile(folder.read("out.qrv"));
    ASSERT_TRUE(written.ok());
    std::string rows;
    for (int r = 0; r < written.grid.rowCount; ++r) {
        std::string row = written.grid.gridRows[size_t(r)];
        for (char& c : row) c = c == '\x10' ? '#' : c;
        rows += (r ? ", \"" : "\"") + row + "\"";
    }
    EXPECT_EQ(run.out.find("{\"rows\": [" + rows + "], \"black\": "), run.out.find("{\"rows\": [")) << run.out;
}

TEST(SchemaVerb, AnImpossibleStartStopsWithNoSchemaAndNoFile) {
    TempFolder folder;
    schemaFolder(folder);
    const testing::CliRun run = schema(folder, "--grid '" + folder.file("impossible.qrv") + "' --seconds 0.3 --out '" +
                                                   folder.file("out.qrv") + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("{\"result\": \"stopped\", \"schemas\": [], \"seconds\": ", 0), 0u) << run.out;
    EXPECT_TRUE(folder.read("out.qrv").empty());
}

}  // namespace
}  // namespace quirvo
