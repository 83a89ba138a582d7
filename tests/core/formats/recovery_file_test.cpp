#include <gtest/gtest.h>

#include "core/formats/recovery_file.h"
#include "../support/ascii_grid.h"

namespace quirvo {
namespace {

using testing::asciiGrid;

TEST(RecoveryFile, GivesBackTheGridTheDefinitionsThePathAndTheTime) {
    const Grid g = asciiGrid({"CASA#", "?#??E", "ROMA?"});
    Definitions defs;
    defs.set(g, *slotAt(g, 0, 0, Direction::Across), "Dimora\ncon tetto");
    defs.set(g, *slotAt(g, 0, 0, Direction::Down), "Da perdere");
    Grid changed = g;
    changed.setCell(1, 0, BLACK_CELL);
    defs.follow(changed);  // the column's definition is now an orphan
    for (const std::string path : {"", "/home/ugo/schemi/città\nnuova.qrv"}) {
        const RecoveryFileRead read = readRecoveryFile(writeRecoveryFile(path, 1767225600, changed, defs));
        ASSERT_TRUE(read.ok()) << read.error;
        EXPECT_EQ(read.copy.filePath, path);
        EXPECT_EQ(read.copy.madeAt, 1767225600);
        EXPECT_EQ(writeGridFile(read.copy.grid), writeGridFile(changed));
        Definitions back;
        back.assign(read.copy.grid, read.copy.definitions);
        EXPECT_EQ(back, defs);
    }
}

TEST(RecoveryFile, RefusesWhatIsCutDamagedOrNotACopy) {
    const Grid g = asciiGrid({"CA", "?#"});
    const std::string good = writeRecoveryFile("/s.qrv", 5, g, Definitions{});
    ASSERT_TRUE(readRecoveryFile(good).ok());
    const std::size_t schema = good.find("schema ");
    const struct {
        std::string bytes;
        std::string says;
    } cases[] = {
        {"", "non è una copia"},
        {"2,2\r\n\"CA\"\r\n\"??\"\r\n", "non è una copia"},
        {good.substr(0, good.size() - 1), "danneggiata"},
        {good + "x", "danneggiata"},
        {good.substr(0, schema) + "schema 99999999\n" + good.substr(good.find('\n', schema) + 1), "danneggiata"},
        {good.substr(0, schema) + "schema -1\n" + good.substr(good.find('\n', schema) + 1), "danneggiata"},
        {writeRecoveryFile(std::string("/a\0b", 4), 5, g, Definitions{}), "percorso"},
        {std::string(good).replace(good.find("\"CA\""), 4, "\"C!\""), "schema della copia"},
        {std::string(good).replace(good.rfind("definizioni 0"), 13, "definizioni 2") + "x\n", "definizioni della copia"},
    };
    for (const auto& c : cases) {
        const RecoveryFileRead read = readRecoveryFile(c.bytes);
        EXPECT_NE(read.error.find(c.says), std::string::npos) << read.error << " for " << c.bytes;
        EXPECT_FALSE(read.copy.grid.exists());
    }
}

}  // namespace
}  // namespace quirvo
