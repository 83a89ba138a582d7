#include "core/common/text_encoding.h"

#include <locale.h>
#include <wctype.h>

#include <array>

namespace quirvo {

namespace {

// Code points of the bytes 0x80..0x9F in code page 1252; the five bytes the
// code page leaves undefined keep their C1 control code point, as Windows
// itself converts them, so every byte has a character and back.
constexpr std::array<char32_t, 32> CP1252_HIGH = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t cp1252Char(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? CP1252_HIGH[byte - 0x80] : char32_t(byte);
}

// The byte for a code point, or -1 when code page 1252 has none.
int cp1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (size_t i = 0; i < CP1252_HIGH.size(); ++i)
        if (CP1252_HIGH[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

// Length of the well-formed UTF-8 sequence at the start of s and its code
// point; 0 when s does not start with one.
size_t decodeOne(std::string_view s, char32_t& out) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) {
        out = b0;
        return 1;
    }
    size_t len = 0;
    char32_t c = 0, min = 0;
    if ((b0 & 0xE0) == 0xC0) len = 2, c = b0 & 0x1F, min = 0x80;
    else if ((b0 & 0xF0) == 0xE0) len = 3, c = b0 & 0x0F, min = 0x800;
    else if ((b0 & 0xF8) == 0xF0) len = 4, c = b0 & 0x07, min = 0x10000;
    else return 0;
    if (s.size() < len) return 0;
    for (size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    out = c;
    return len;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Unicode case mapping comes from the C library's C.UTF-8 locale, which
// does not depend on the user's settings.
locale_t unicodeLocale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
    return locale;
}

char32_t toUpper(char32_t c) {
    if (const locale_t l = unicodeLocale()) return static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), l));
    return c >= 'a' && c <= 'z' ? c - 32 : c;
}

char32_t toLower(char32_t c) {
    if (const locale_t l = unicodeLocale()) return static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), l));
    return c >= 'A' && c <= 'Z' ? c + 32 : c;
}

template <typename Map>
std::string mapUtf8(std::string_view text, Map map) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : decodeUtf8(text)) appendUtf8(out, map(c));
    return out;
}

}  // namespace

std::u32string decodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    while (!text.empty()) {
        char32_t c = 0;
        size_t len = decodeOne(text, c);
        if (len == 0) {
            c = cp1252Char(static_cast<unsigned char>(text[0]));
            len = 1;
        }
        out += c;
        text.remove_prefix(len);
    }
    return out;
}

std::string encodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) appendUtf8(out, c);
    return out;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) appendUtf8(out, cp1252Char(static_cast<unsigned char>(b)));
    return out;
}

std::string utf8ToCp1252(std::string_view text, char replacement) {
    std::string out;
    for (char32_t c : decodeUtf8(text)) {
        const int b = cp1252Byte(c);
        out += b < 0 ? replacement : static_cast<char>(b);
    }
    return out;
}

std::string validUtf8(std::string_view text) { return encodeUtf8(decodeUtf8(text)); }

std::string upperUtf8(std::string_view text) { return mapUtf8(text, toUpper); }
std::string lowerUtf8(std::string_view text) { return mapUtf8(text, toLower); }

std::string upperCp1252(std::string_view bytes) {
    std::string out(bytes);
    for (char& b : out) {
        const int upper = cp1252Byte(toUpper(cp1252Char(static_cast<unsigned char>(b))));
        if (upper >= 0) b = static_cast<char>(upper);
    }
    return out;
}

}  // namespace quirvo
