#include "core/common/text_encoding.h"

#include <gtest/gtest.h>

namespace quirvo {
namespace {

TEST(TextEncoding, Cp1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\x80 perch\xE9"), "€ perché");
    EXPECT_EQ(utf8ToCp1252("città €1 \xE2\x88\x9E"), "citt\xE0 \x80" "1 ?");
}

TEST(TextEncoding, StrayBytesReadAsCp1252) {
    EXPECT_EQ(validUtf8("perch\xE9"), "perché");
    EXPECT_EQ(validUtf8("perché"), "perché");
    // Overlong and truncated sequences are not UTF-8.
    EXPECT_EQ(validUtf8("\xC0\xAF"), "À¯");
    EXPECT_EQ(validUtf8("ab\xE2\x82"), "abâ‚");
}

TEST(TextEncoding, CaseMappingCoversAccentedLetters) {
    EXPECT_EQ(upperUtf8("perché città œ ÿ ß"), "PERCHÉ CITTÀ Œ Ÿ ß");
    EXPECT_EQ(lowerUtf8("PERCHÉ CITTÀ"), "perché città");
    EXPECT_EQ(upperCp1252("citt\xE0 \x9C\xFF\xB5"), "CITT\xC0 \x8C\x9F\xB5");
}

}  // namespace
}  // namespace quirvo
