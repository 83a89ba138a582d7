#include "core/dictionary/dictionary_scan.h"

#include <gtest/gtest.h>

namespace quirvo {
namespace {

TEST(DictionaryScan, IndexesEveryInitialIncludingTheLastShortLine) {
    Dictionary d = makeDictionary("base.diz", "@ROSS\r\nABC\r\nABD\r\nBAR\r\nAB\r\n");
    EXPECT_EQ(d.dictLetterStart[0], 1);
    EXPECT_EQ(d.dictLetterStart['A' - '@'], 8);
    EXPECT_EQ(d.dictLetterStart['B' - '@'], 18);
    EXPECT_EQ(d.dictLetterStart['C' - '@'], 0);
    // The final "AB" after BAR is a second run of A: the first run keeps the index.
    Dictionary last = makeDictionary("x.dic", "AAA\r\nZZ");
    EXPECT_EQ(last.dictLetterStart['Z' - '@'], 6);
}

TEST(DictionaryScan, RemarkInsideALetterDoesNotMoveItsStart) {
    Dictionary d = makeDictionary("base.diz", "BAR\r\n# nota\r\nBEN\r\n'altra\r\nCANE\r\n");
    EXPECT_EQ(d.dictLetterStart['B' - '@'], 1);
    EXPECT_EQ(d.dictLetterStart['C' - '@'], 27);
}

TEST(DictionaryScan, WarnsForEntriesOutOfOrderButNotForShortOnes) {
    Dictionary d;
    d.dictText = "CASA\r\nCANE\r\nCASO\r\nAB\r\nAA\r\n#ZZZ\r\nBBB\r\n";
    const auto warnings = indexDictionary(d);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].entry, "CANE");
    EXPECT_EQ(warnings[0].lineNumber, 2);
}

TEST(DictionaryScan, ForEachLineSeesEveryLineOnce) {
    std::vector<std::string> lines;
    const std::string text = "A\r\n\r\nB C\r\nD";
    forEachLine(text, [&](size_t pos, size_t len) { lines.push_back(text.substr(pos, len)); });
    EXPECT_EQ(lines, (std::vector<std::string>{"A", "", "B C", "D"}));
}

}  // namespace
}  // namespace quirvo
