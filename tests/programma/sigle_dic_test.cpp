// sigle.dic and nomi.dic as the build makes them: loaded after forme.diz
// (nomi.dic first, by the byte order of their names), and each group of
// sigle.dic found by a slot search as a click in the program finds it.
#include <gtest/gtest.h>

#include "cli/run_cli.h"
#include "core/dictionary/dictionary_loader.h"

namespace quirvo {
namespace {

TEST(SigleDic, LoadsInSlotFourAfterNomiDicWithoutOrderWarnings) {
    DictionarySet dicts;
    Progress progress;
    const LoadReport report = loadDictionaries(QUIRVO_PROGRAM_FOLDER, dicts, progress);
    ASSERT_FALSE(report.fatal) << report.fatalMessage;
    EXPECT_EQ(dicts[1].dictFileName, "base.diz");
    EXPECT_EQ(dicts[2].dictFileName, "forme.diz");
    EXPECT_EQ(dicts[3].dictFileName, "nomi.dic");
    EXPECT_EQ(dicts[4].dictFileName, "sigle.dic");
    EXPECT_TRUE(dicts[3].active);
    EXPECT_TRUE(dicts[4].active);
    EXPECT_TRUE(report.warnings.empty()) << report.warnings.front();
}

TEST(SigleDic, EveryGroupIsFoundBySearch) {
    struct Case {
        const char* pattern;
        const char* line;  // what the result list shows for the sigle.dic entry
    };
    const Case cases[] = {
        {"V?", "VB -4"},      // province (ISO 3166-2 IT-VB)
        {"?O", "AO -4"},      // car plate of Aosta, from the committed file
        {"IT?", "ITA -4"},    // ISO 3166-1 alpha-3
        {"EN?", "ENG -4"},    // ISO 639-2
        {"GE?", "GER -4"},    // ISO 639-2 bibliographic
        {"H?", "HG -4"},      // element symbol
        {"XLI?", "XLIV -4"},  // roman numeral
        {"EC?", "ECC -4"},    // abbreviation
        {"A?", "AA -4"},      // the first line
        {"ZZ?", "ZZA -4"},    // the last line
        {"AGLI?", "AGLIE -3"},  // nomi.dic: a town of one word, accent dropped (Agliè)
    };
    for (const Case& c : cases) {
        const std::string folder = std::string(" --dir '") + QUIRVO_PROGRAM_FOLDER + "'";
        const testing::CliRun on = testing::runQuirvoDiz(std::string("search --estesa") + folder + " '" + c.pattern + "'");
        EXPECT_EQ(on.status, 0) << c.pattern;
        EXPECT_NE(on.out.find(std::string("\"") + c.line + "\""), std::string::npos) << c.pattern << ": " << on.out;
        const std::string slot = std::string(c.line).substr(std::string(c.line).size() - 1);
        const testing::CliRun off =
            testing::runQuirvoDiz("search --estesa --off " + slot + folder + " '" + c.pattern + "'");
        EXPECT_EQ(off.out.find(" -" + slot + "\""), std::string::npos) << c.pattern << " with slot " << slot
                                                                        << " off: " << off.out;
    }
}

}  // namespace
}  // namespace quirvo
