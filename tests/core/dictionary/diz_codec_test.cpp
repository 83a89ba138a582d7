#include "core/dictionary/diz_codec.h"

#include <gtest/gtest.h>

#include <random>

namespace quirvo {
namespace {

std::string randomBytes(size_t size, unsigned seed, std::string_view alphabet = {}) {
    std::mt19937 rng(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = alphabet.empty() ? static_cast<char>(rng() & 0xff) : alphabet[rng() % alphabet.size()];
    return bytes;
}

std::string sampleList() { return "# parole\r\nABACO\r\nABATE\r\nCAS!\r\nCASACCA\r\nROSS@\r\n'fine\r\n"; }

TEST(DizCodec, RoundTripsAnyBytes) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
    const std::vector<std::string> texts = {
        "", "\r\n", "\r\n\r\n", "A", "A\r\n", "A\r", "\n", "\r", "A\rB\nC\r\n\r\nD", "A\r\r\n\nB\r\n",
        sampleList(), allBytes, std::string(70000, 'Z') + "\r\n" + std::string(70000, 'Z') + "Y",
        randomBytes(100000, 1), randomBytes(50000, 2, "AB\r\n"), randomBytes(3000, 3, "\r\n"),
    };
    for (const auto& text : texts) {
        const DizDecodeResult decoded = decodeDiz(encodeDiz(text));
        ASSERT_TRUE(decoded.ok()) << dizErrorText(decoded.error) << " for a text of " << text.size() << " bytes";
        EXPECT_EQ(decoded.text, text);
    }
}

TEST(DizCodec, RejectsForeignTruncatedAndPaddedFiles) {
    const std::string diz = encodeDiz(sampleList());
    EXPECT_EQ(decodeDiz("").error, DizError::NotDiz);
    EXPECT_EQ(decodeDiz(sampleList()).error, DizError::NotDiz);
    EXPECT_EQ(decodeDiz(diz + '\0').error, DizError::TrailingData);
    for (size_t size = 0; size < diz.size(); ++size)
        EXPECT_FALSE(decodeDiz(diz.substr(0, size)).ok()) << "prefix of " << size << " bytes";
    std::string otherVersion = diz;
    otherVersion[8] = 2;
    EXPECT_EQ(decodeDiz(otherVersion).error, DizError::BadVersion);
}

// A damaged byte anywhere must never yield another text: either the file is
// rejected or (padding bits of the compressed stream) the same text returns.
TEST(DizCodec, NoDamagedByteYieldsAnotherText) {
    const std::string text = sampleList();
    const std::string diz = encodeDiz(text);
    int rejected = 0;
    for (size_t at = 0; at < diz.size(); ++at)
        for (unsigned char mask : {0x01, 0x10, 0x80, 0xff}) {
            std::string damaged = diz;
            damaged[at] = static_cast<char>(damaged[at] ^ mask);
            const DizDecodeResult decoded = decodeDiz(damaged);
            if (decoded.ok()) EXPECT_EQ(decoded.text, text) << "byte " << at;
            else ++rejected;
        }
    EXPECT_GT(rejected, static_cast<int>(diz.size() * 4 * 9 / 10));
}

void putU32(std::string& diz, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) diz[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
}

TEST(DizCodec, ForgedSizesAreRejected) {
    const std::string diz = encodeDiz(sampleList());
    const std::vector<std::pair<size_t, uint32_t>> forgeries = {
        {12, 0},           {12, 1u << 30},    {12, 0xffffffff},  // line count
        {16, 0},           {16, 0xffffffff},  {16, 1u << 30},     // plain size
        {20, 0},                                                   // checksum
        {24, 0},           {24, 0xffffffff},  {24, 1u << 29},     // coded size
        {28, 0},           {28, 0xffffffff},                       // body size
    };
    for (const auto& [offset, value] : forgeries) {
        std::string forged = diz;
        putU32(forged, offset, value);
        EXPECT_FALSE(decodeDiz(forged).ok()) << "offset " << offset << " value " << value;
    }
    std::string flags = diz;
    flags[11] = 1;
    EXPECT_EQ(decodeDiz(flags).error, DizError::BadHeader);
}

TEST(DizCodec, HonoursTheSizeLimitAndAStopRequest) {
    const std::string text = randomBytes(5000, 4, "ABC\r\n");
    const std::string diz = encodeDiz(text);
    EXPECT_EQ(decodeDiz(diz, DizLimits{4999}).error, DizError::TooLarge);
    EXPECT_TRUE(decodeDiz(diz, DizLimits{5000}).ok());
    Progress stopAtOnce([] { return true; });
    EXPECT_EQ(decodeDiz(diz, {}, &stopAtOnce).error, DizError::Stopped);
}

}  // namespace
}  // namespace quirvo
