// quirvo-diz anagram driven through its binary.
#include <gtest/gtest.h>

#include "../dictionary/temp_folder.h"
#include "run_cli.h"
#include "core/dictionary/diz_codec.h"

namespace quirvo {
namespace {

testing::CliRun anagram(const testing::TempFolder& folder, const std::string& word) {
    return testing::runQuirvoDiz("anagram --dir '" + folder.path().string() + "' '" + word + "'");
}

TEST(AnagramVerb, PrintsTheListAndPanelsAsJson) {
    testing::TempFolder folder;
    folder.write("base.diz", encodeDiz("#A\"\\\r\nAMOR\r\nARMO\r\nCITT\xC0\r\nMORA\r\nORMA\r\nRAMO\r\nROMA\r\nROSS!\r\n"));
    folder.write("altro.dic", "ROAM\r\n");

    const testing::CliRun roma = anagram(folder, "roma");
    EXPECT_EQ(roma.status, 0);
    EXPECT_EQ(roma.out, "{\"lines\": [\"AMOR\", \"ARMO\", \"MORA\", \"ORMA\", \"RAMO\"], "
                        "\"panel2\": \" 5 Anagrammi \", \"panel3\": \" \"}\n");
    EXPECT_EQ(anagram(folder, "sorsa").out, "{\"lines\": [\"ROSSA\"], \"panel2\": \" 1 Anagramma \", \"panel3\": \" \"}\n");
    EXPECT_EQ(anagram(folder, "rossa").out,
              "{\"lines\": [\" \", \" nessun Anagramma \"], \"panel2\": \" nessun Anagramma \", \"panel3\": \" \"}\n");
    // Accented letters reach the code-page dictionary and come back as UTF-8;
    // quotes and backslashes are escaped.
    EXPECT_EQ(anagram(folder, "àttic").out, "{\"lines\": [\"CITTÀ\"], \"panel2\": \" 1 Anagramma \", \"panel3\": \" \"}\n");
    EXPECT_EQ(anagram(folder, "A\" \\").out, "{\"lines\": [\"#A\\\"\\\\\"], \"panel2\": \" 1 Anagramma \", \"panel3\": \" \"}\n");
}

TEST(AnagramVerb, RefusesAMissingBaseAndABadCommandLine) {
    testing::TempFolder folder;
    EXPECT_EQ(anagram(folder, "roma").status, 1);
    folder.write("base.diz", encodeDiz("ROMA\r\n"));
    for (const std::string& arguments : {"--dir '" + folder.path().string() + "'", std::string("roma --dir")}) {
        const int status = std::system((std::string(QUIRVO_CLI_PATH) + " anagram " + arguments + " 2>/dev/null").c_str());
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2) << arguments;
    }
}

}  // namespace
}  // namespace quirvo
