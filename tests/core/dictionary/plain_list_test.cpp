#include "core/dictionary/plain_list.h"

#include <gtest/gtest.h>

#include <random>

#include "core/dictionary/dictionary_check.h"

namespace quirvo {
namespace {

TEST(PlainList, MendsLineEndsBlanksEmptyLinesAndCase) {
    EXPECT_EQ(preparePlainList("ABACO\rCASA\rROSS@"), "ABACO\r\nCASA\r\nROSS@\r\n");
    EXPECT_EQ(preparePlainList("ABACO\nCASA\n"), "ABACO\r\nCASA\r\n");
    EXPECT_EQ(preparePlainList("\r\n  abaco \r\n\n\t\r\ncasa\r\r\n"), "ABACO\r\nCASA\r\n");
    // Remarks keep their case; bytes above 127 stay as they are.
    EXPECT_EQ(preparePlainList("# nota bene\ncitt\xe0\n'altra\n"), "# nota bene\r\nCITT\xe0\r\n'altra\r\n");
}

TEST(PlainList, LeavesAPreparedListAlone) {
    for (const std::string text : {"", "ABACO\r\nCASA\r\n", "ABACO\r\nCASA", "# nota\r\nA\xe0\r\n"}) {
        EXPECT_FALSE(needsPreparing(text)) << text;
        EXPECT_EQ(preparePlainList(text), text);
    }
}

// needsPreparing is the fast path of preparePlainList; checkPlainList finds
// the same faults independently, and what preparing writes has none.
TEST(PlainList, NeedsPreparingAgreesWithTheCheck) {
    std::mt19937 rng(7);
    const std::string alphabet = "AZaz #'\r\n\t";
    for (int round = 0; round < 20000; ++round) {
        std::string text(rng() % 40, ' ');
        for (char& c : text) c = alphabet[rng() % alphabet.size()];
        bool mendable = false;
        for (const auto& p : checkPlainList(text))
            mendable = mendable || (p.kind != LineProblemKind::OutOfOrder && p.kind != LineProblemKind::BadInitial &&
                                    p.kind != LineProblemKind::BadCharacter);
        ASSERT_EQ(needsPreparing(text), mendable) << "text: " << ::testing::PrintToString(text);
        ASSERT_FALSE(needsPreparing(preparePlainList(text)));
    }
}

TEST(DictionaryCheck, ListsEachKindOfProblemWithItsLine) {
    const std::string text =
        "ABACO\r\n"       // 1 fine
        "CASA\r\n"        // 2 fine
        "CANE\r\n"        // 3 out of order
        "\r\n"            // 4 empty
        " DADO\r\n"       // 5 blanks
        "dada\r\n"        // 6 lower case, and out of order after DADO
        "# nota\r\n"      // 7 remark: not checked
        "1ERRE\r\n"       // 8 bad initial
        "ESSE ZETA\r\n"   // 9 bad character
        "FINE\n"          // 10 lone LF
        "GATTO\n";        // 11 lone LF again: not listed twice
    const auto problems = checkPlainList(text);
    std::vector<std::pair<int, LineProblemKind>> found;
    for (const auto& p : problems) found.emplace_back(p.lineNumber, p.kind);
    using K = LineProblemKind;
    const std::vector<std::pair<int, LineProblemKind>> expected = {
        {3, K::OutOfOrder}, {4, K::Empty},        {5, K::Blanks},       {6, K::LowerCase},
        {6, K::OutOfOrder}, {8, K::BadInitial},   {9, K::BadCharacter}, {10, K::LineEnd},
    };
    EXPECT_EQ(found, expected);
    EXPECT_EQ(problems[0].line, "CANE");
}

TEST(DictionaryCheck, AcceptsASortedListWithSymbolsAndRemarks) {
    EXPECT_TRUE(checkPlainList("'intestazione\r\n@BC\r\nAD!\r\nCAS!\r\nCASA\r\n#nota\r\nROSS@\r\nROSSANA").empty());
}

}  // namespace
}  // namespace quirvo
