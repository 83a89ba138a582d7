#include "core/dictionary/search_index.h"

#include <gtest/gtest.h>

#include <random>

#include "core/dictionary/dictionary_scan.h"

namespace quirvo {
namespace {

std::vector<std::string> linesOf(const Dictionary& d, const SearchIndex& index) {
    std::vector<std::string> lines;
    for (uint32_t i = 0; i < index.lineCount(); ++i) lines.emplace_back(index.line(d.dictText, i));
    return lines;
}

TEST(SearchIndex, NumbersLinesExactlyAsTheLineSeparatorSplitsThem) {
    for (const std::string text : {"", "AB", "AB\r\n", "A\r\n\r\nB", "A\rB\nC\r\r\nD\n\r\n", "\r\n", "X\r"}) {
        const Dictionary d = makeDictionary("x.dic", text);
        const SearchIndex index(d);
        std::vector<std::string> expected;
        forEachLine(text, [&](size_t pos, size_t len) { expected.push_back(text.substr(pos, len)); });
        EXPECT_EQ(linesOf(d, index), expected) << text;
    }
}

TEST(SearchIndex, BucketsHoldEveryLineOfTheirLengthInFileOrderWithItsCharacters) {
    std::string text;
    for (int i = 0; i < 300; ++i) text += std::string(1 + i % 7, static_cast<char>('A' + i % 26)) + "\r\n";
    text += std::string(70, 'L') + "\r\n";
    const Dictionary d = makeDictionary("x.dic", text);
    const SearchIndex index(d);
    size_t total = index.longLines().size();
    for (size_t len = 0; len <= SearchIndex::COLUMN_LENGTH_LIMIT; ++len) {
        const auto* b = index.bucket(len);
        if (!b) continue;
        total += b->lines.size();
        EXPECT_TRUE(std::is_sorted(b->lines.begin(), b->lines.end()));
        for (size_t i = 0; i < b->lines.size(); ++i) {
            const std::string_view line = index.line(d.dictText, b->lines[i]);
            ASSERT_EQ(line.size(), len);
            for (size_t p = 0; p < len; ++p) ASSERT_EQ(b->column(p)[i], static_cast<uint8_t>(line[p]));
        }
    }
    EXPECT_EQ(total, index.lineCount());
    EXPECT_EQ(index.longLines().size(), 1u);
}

TEST(SearchIndex, FirstLineNotBelowAgreesWithALinearSearchOnUnsortedLists) {
    std::mt19937 rng(3);
    for (const size_t count : {10u, 300u, 5000u, 70000u}) {
        std::string text;
        for (size_t i = 0; i < count; ++i) {
            std::string w(1 + rng() % 12, 'A');
            for (char& c : w) c = static_cast<char>('A' + rng() % 3);
            text += w + "\r\n";
        }
        const Dictionary d = makeDictionary("x.dic", text);
        const SearchIndex index(d);
        const std::vector<std::string> lines = linesOf(d, index);
        for (int q = 0; q < 200; ++q) {
            std::string bound(1 + rng() % 11, 'A');
            for (char& c : bound) c = static_cast<char>('A' + rng() % 3);
            const uint32_t from = static_cast<uint32_t>(rng() % count);
            uint32_t expected = from;
            while (expected < count && lines[expected] < bound) ++expected;
            ASSERT_EQ(index.firstLineNotBelow(d.dictText, from, bound), expected) << bound << " from " << from;
        }
    }
}

TEST(SearchIndex, PrefixCeilingIsTheFirstStringPastThePrefix) {
    EXPECT_EQ(prefixCeiling("CA"), "CB");
    EXPECT_EQ(prefixCeiling(""), "");
    EXPECT_EQ(prefixCeiling("A\xff"), "B");
    EXPECT_EQ(prefixCeiling("\xff\xff"), "");
}

}  // namespace
}  // namespace quirvo
