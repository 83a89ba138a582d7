// sigle.dic as the build makes it: loaded after forme.diz, and each of its
// groups found by a slot search as a click in the program finds it.
#include <gtest/gtest.h>

#include "cli/run_cli.h"
#include "core/dictionary/dictionary_loader.h"

namespace quirvo {
namespace {

TEST(SigleDic, LoadsInSlotThreeWithoutOrderWarnings) {
    DictionarySet dicts;
    Progress progress;
    const LoadReport report = loadDictionaries(QUIRVO_PROGRAM_FOLDER, dicts, progress);
    ASSERT_FALSE(report.fatal) << report.fatalMessage;
    EXPECT_EQ(dicts[1].dictFileName, "base.diz");
    EXPECT_EQ(dicts[2].dictFileName, "forme.diz");
    EXPECT_EQ(dicts[3].dictFileName, "sigle.dic");
    EXPECT_TRUE(dicts[3].active);
    EXPECT_TRUE(report.warnings.empty()) << report.warnings.front();
}

TEST(SigleDic, EveryGroupIsFoundBySearch) {
    struct Case {
        const char* pattern;
        const char* line;  // what the result list shows for the sigle.dic entry
    };
    const Case cases[] = {
        {"V?", "VB -3"},      // province (ISO 3166-2 IT-VB)
        {"?O", "AO -3"},      // car plate of Aosta, from the committed file
        {"IT?", "ITA -3"},    // ISO 3166-1 alpha-3
        {"EN?", "ENG -3"},    // ISO 639-2
        {"GE?", "GER -3"},    // ISO 639-2 bibliographic
        {"H?", "HG -3"},      // element symbol
        {"XLI?", "XLIV -3"},  // roman numeral
        {"EC?", "ECC -3"},    // abbreviation
        {"A?", "AA -3"},      // the first line
        {"ZZ?", "ZZA -3"},    // the last line
    };
    for (const Case& c : cases) {
        const std::string folder = std::string(" --dir '") + QUIRVO_PROGRAM_FOLDER + "'";
        const testing::CliRun on = testing::runQuirvoDiz(std::string("search --estesa") + folder + " '" + c.pattern + "'");
        EXPECT_EQ(on.status, 0) << c.pattern;
        EXPECT_NE(on.out.find(std::string("\"") + c.line + "\""), std::string::npos) << c.pattern << ": " << on.out;
        const testing::CliRun off =
            testing::runQuirvoDiz(std::string("search --estesa --off 3") + folder + " '" + c.pattern + "'");
        EXPECT_EQ(off.out.find(" -3\""), std::string::npos) << c.pattern << " with sigle.dic off: " << off.out;
    }
}

}  // namespace
}  // namespace quirvo
