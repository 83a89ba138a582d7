#include "core/dictionary/word_folding.h"

#include <array>

#include "core/dictionary/vowel_sets.h"

namespace quirvo {

namespace {

struct Fold {
    char32_t first, last;
    const char* to;
};

// Latin-1 Supplement and Latin Extended-A letters and their plain spelling.
constexpr std::array<Fold, 48> LATIN_FOLDS{{
    {0xC0, 0xC5, "A"},   {0xC6, 0xC6, "AE"},  {0xC7, 0xC7, "C"},   {0xC8, 0xCB, "E"},
    {0xCC, 0xCF, "I"},   {0xD0, 0xD0, "D"},   {0xD1, 0xD1, "N"},   {0xD2, 0xD6, "O"},
    {0xD8, 0xD8, "O"},   {0xD9, 0xDC, "U"},   {0xDD, 0xDD, "Y"},   {0xDE, 0xDE, "TH"},
    {0xDF, 0xDF, "SS"},  {0xE0, 0xE5, "A"},   {0xE6, 0xE6, "AE"},  {0xE7, 0xE7, "C"},
    {0xE8, 0xEB, "E"},   {0xEC, 0xEF, "I"},   {0xF0, 0xF0, "D"},   {0xF1, 0xF1, "N"},
    {0xF2, 0xF6, "O"},   {0xF8, 0xF8, "O"},   {0xF9, 0xFC, "U"},   {0xFD, 0xFD, "Y"},
    {0xFE, 0xFE, "TH"},  {0xFF, 0xFF, "Y"},   {0x100, 0x105, "A"}, {0x106, 0x10D, "C"},
    {0x10E, 0x111, "D"}, {0x112, 0x11B, "E"}, {0x11C, 0x123, "G"}, {0x124, 0x127, "H"},
    {0x128, 0x131, "I"}, {0x132, 0x133, "IJ"}, {0x134, 0x135, "J"}, {0x136, 0x138, "K"},
    {0x139, 0x142, "L"}, {0x143, 0x14B, "N"}, {0x14C, 0x151, "O"}, {0x152, 0x153, "OE"},
    {0x154, 0x159, "R"}, {0x15A, 0x161, "S"}, {0x162, 0x167, "T"}, {0x168, 0x173, "U"},
    {0x174, 0x175, "W"}, {0x176, 0x178, "Y"}, {0x179, 0x17E, "Z"}, {0x17F, 0x17F, "S"},
}};

bool isIgnorable(char32_t c) { return (c >= 0x300 && c <= 0x36F) || c == 0xFEFF; }

// Calls f(code point) over strict UTF-8 (no overlongs, surrogates or values
// past U+10FFFF) while f answers true; false when the text is not UTF-8.
template <typename F>
bool forEachUtf8(std::string_view s, F&& f) {
    for (size_t i = 0; i < s.size();) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        const int extra = b0 < 0x80 ? 0 : b0 >= 0xC2 && b0 < 0xE0 ? 1 : b0 >= 0xE0 && b0 < 0xF0 ? 2
                        : b0 >= 0xF0 && b0 < 0xF5 ? 3 : -1;
        if (extra < 0 || i + extra >= s.size()) return false;
        char32_t c = extra == 0 ? b0 : b0 & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80) return false;
            c = (c << 6) | (b & 0x3F);
        }
        if ((extra == 2 && c < 0x800) || (extra == 3 && (c < 0x10000 || c > 0x10FFFF)) ||
            (c >= 0xD800 && c <= 0xDFFF))
            return false;
        if (!f(c)) return true;
        i += extra + 1;
    }
    return true;
}

const char* foldLetter(char32_t c) {
    for (const Fold& f : LATIN_FOLDS)
        if (c >= f.first && c <= f.last) return f.to;
    return nullptr;
}

// Appends the spelling of c to out; false when c has no place in a word.
bool appendFolded(char32_t c, std::string& out) {
    if (c >= 'a' && c <= 'z') {
        out += static_cast<char>(c - 'a' + 'A');
    } else if (c < 0x80) {
        if (!(c >= 'A' && c <= 'Z') && !isVowelSetSymbol(static_cast<char>(c))) return false;
        out += static_cast<char>(c);
    } else if (const char* folded = foldLetter(c)) {
        out += folded;
    } else {
        return isIgnorable(c);
    }
    return true;
}

bool foldCharacters(std::string_view raw, std::string& out) {
    bool ascii = true;
    for (char c : raw) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii || !forEachUtf8(raw, [](char32_t) { return true; })) {
        for (char c : raw)
            if (!appendFolded(static_cast<unsigned char>(c), out)) return false;
        return true;
    }
    bool valid = true;
    forEachUtf8(raw, [&](char32_t c) { return valid = appendFolded(c, out); });
    return valid;
}

}  // namespace

std::optional<std::string> foldWord(std::string_view raw) {
    std::string out;
    if (!foldCharacters(raw, out)) return std::nullopt;
    if (out.empty()) return std::nullopt;
    for (size_t i = 0; i < out.size(); ++i) {
        const bool symbol = out[i] < 'A';
        if (symbol && (i == 0 || i + 1 != out.size())) return std::nullopt;
    }
    return out;
}

std::vector<std::string> expandEntry(std::string_view entry) {
    const VowelSet* set = entry.empty() ? nullptr : findVowelSet(entry.back());
    if (!set) return {std::string(entry)};
    std::vector<std::string> words;
    for (char vowel : set->vowels) {
        std::string word(entry.substr(0, entry.size() - 1));
        word += vowel;
        words.push_back(std::move(word));
    }
    return words;
}

}  // namespace quirvo
