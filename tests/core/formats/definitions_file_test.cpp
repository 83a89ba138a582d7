#include <gtest/gtest.h>

#include "core/formats/definitions_file.h"
#include "core/grid/cell_codes.h"
#include "../support/ascii_grid.h"

namespace quirvo {
namespace {

using testing::asciiGrid;

TEST(DefinitionsFile, WritesNumberedLinesAndReadsThemBackWithOrphans) {
    Grid g = asciiGrid({"CASA", "?##?", "?##?"});
    Definitions defs;
    defs.set(g, *slotAt(g, 0, 0, Direction::Across), "Dimora\tcon\\tetto\nsolido");
    defs.set(g, *slotAt(g, 0, 3, Direction::Down), "Città più à");
    defs.set(g, *slotAt(g, 0, 0, Direction::Down), "Da perdere");
    g.setCell(1, 0, BLACK_CELL);
    defs.follow(g);

    const std::string bytes = writeDefinitionsFile(g, defs);
    EXPECT_NE(bytes.find("O\t1\t1\t1\tCASA\tDimora\\tcon\\\\tetto\\nsolido\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("V\t2\t1\t4\tA??\tCittà più à\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("V\t-\t1\t1\tC??\tDa perdere\n"), std::string::npos) << bytes;

    const DefinitionsFileRead read = readDefinitionsFile(bytes);
    ASSERT_TRUE(read.ok()) << read.error;
    Definitions again;
    again.assign(g, read.definitions);
    EXPECT_EQ(again, defs);
}

TEST(DefinitionsFile, RefusesDamagedLinesNamingTheLine) {
    const std::string good = "O\t1\t1\t1\tCASA\tDimora\n";
    struct Case {
        std::string bytes;
        std::string says;
    } cases[] = {
        {good + "O\t1\t1\t1\tCASA\n", "riga 2 del file delle definizioni non ha i sei campi"},
        {"X\t1\t1\t1\tCASA\tT\n", "direzione"},
        {"O\t01\t1\t1\tCASA\tT\n", "numero"},
        {"O\t1\t26\t1\tCASA\tT\n", "riga o la colonna"},
        {"O\t1\t1\t0\tCASA\tT\n", "riga o la colonna"},
        {"O\t1\t1\t1\tcasa\tT\n", "lettere"},
        {"O\t1\t1\t1\tC\tT\n", "lettere"},
        {"O\t1\t1\t1\tCASA\t\xff\xfe\n", "UTF-8"},
        {"O\t1\t1\t1\tCASA\tfine\\\n", "sequenza"},
        {"O\t1\t1\t1\tCASA\t\n", "vuota"},
        {"O\t1\t1\t1\tCASA\t" + std::string(MAX_DEFINITION_BYTES + 1, 'x') + "\n", "troppo lunga"},
        {std::string(MAX_DEFINITIONS_FILE_BYTES + 1, '#'), "troppo grande"},
    };
    for (const Case& c : cases) {
        const DefinitionsFileRead read = readDefinitionsFile(c.bytes);
        EXPECT_NE(read.error.find(c.says), std::string::npos) << c.bytes.substr(0, 40) << " -> " << read.error;
        EXPECT_TRUE(read.definitions.empty());
    }
    const DefinitionsFileRead tolerant = readDefinitionsFile("# nota\r\n\r\n" + good.substr(0, good.size() - 1));
    ASSERT_TRUE(tolerant.ok()) << tolerant.error;
    EXPECT_EQ(tolerant.definitions.size(), 1u);
}

}  // namespace
}  // namespace quirvo
