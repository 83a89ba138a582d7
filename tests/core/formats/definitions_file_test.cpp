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

TEST(DefinitionsFile, DraftsKeepTheirMarkAndOlderCompanionsStillRead) {
    // Written by the program before drafts existed, for CASA / A### / RE#?
    // with the definition of the lost slot down from A?? kept as an orphan.
    const std::string older =
        "# QUIRVO definizioni: direzione, numero, riga, colonna, lettere, testo\n"
        "O\t1\t1\t1\tCASA\tDimora, con \"tetto\"\n"
        "V\t1\t1\t1\tCAR\tPu\xc3\xb2 essere\\tda t\xc3\xa8\n"
        "O\t2\t3\t1\tRE\tSovrano\n"
        "V\t-\t1\t4\tA??\tOrfana\n";
    const Grid g = asciiGrid({"CASA", "A###", "RE#?"});
    const DefinitionsFileRead read = readDefinitionsFile(older);
    ASSERT_TRUE(read.ok()) << read.error;
    Definitions defs;
    defs.assign(g, read.definitions);
    ASSERT_EQ(defs.attached().size(), 3u);
    EXPECT_EQ(defs.find(SlotKey{0, 0, Direction::Down})->text, "Può essere\tda tè");
    ASSERT_EQ(defs.orphans().size(), 1u);
    for (const Definition& d : defs.all()) EXPECT_FALSE(d.draft) << d.text;
    EXPECT_EQ(writeDefinitionsFile(g, defs), older);

    defs.set(g, *slotAt(g, 2, 0, Direction::Across), "Sovrano", true);
    const std::string drafted = writeDefinitionsFile(g, defs);
    EXPECT_NE(drafted.find("O\t2\t3\t1\tRE\tSovrano\tbozza\n"), std::string::npos) << drafted;
    const DefinitionsFileRead again = readDefinitionsFile(drafted);
    ASSERT_TRUE(again.ok()) << again.error;
    Definitions back;
    back.assign(g, again.definitions);
    EXPECT_EQ(back, defs);
    EXPECT_TRUE(back.find(SlotKey{2, 0, Direction::Across})->draft);

    // An edit makes a draft the setter's own.
    back.set(g, *slotAt(g, 2, 0, Direction::Across), "Monarca");
    EXPECT_FALSE(back.find(SlotKey{2, 0, Direction::Across})->draft);
    EXPECT_FALSE(readDefinitionsFile("O\t1\t1\t1\tRE\t\tbozza\n").ok());
}

}  // namespace
}  // namespace quirvo
