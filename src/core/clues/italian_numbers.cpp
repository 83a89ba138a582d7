#include "core/clues/italian_numbers.h"

#include <array>
#include <unordered_map>

#include "core/dictionary/word_folding.h"

namespace quirvo {

namespace {

std::string romanOf(int value) {
    if (value < 1 || value > MAX_ROMAN) return {};
    static constexpr std::array<std::pair<int, std::string_view>, 13> STEPS{{
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
        {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"},
    }};
    std::string out;
    for (const auto& [step, letters] : STEPS)
        for (; value >= step; value -= step) out += letters;
    return out;
}

constexpr std::array<std::string_view, 20> UNITS{
    "",       "uno",     "due",      "tre",         "quattro",     "cinque",   "sei",
    "sette",  "otto",    "nove",     "dieci",       "undici",      "dodici",   "tredici",
    "quattordici", "quindici", "sedici", "diciassette", "diciotto", "diciannove",
};
constexpr std::array<std::string_view, 10> TENS{
    "", "", "venti", "trenta", "quaranta", "cinquanta", "sessanta", "settanta", "ottanta", "novanta",
};

// 1..99; a ten loses its vowel before uno and otto (ventuno, trentotto).
std::string belowHundred(int n) {
    if (n < 20) return std::string(UNITS[size_t(n)]);
    std::string tens(TENS[size_t(n / 10)]);
    const int unit = n % 10;
    if (unit == 1 || unit == 8) tens.pop_back();
    return tens + std::string(UNITS[size_t(unit)]);
}

// 1..999; cento loses its vowel before ottanta (centottanta).
std::string belowThousand(int n) {
    const int hundreds = n / 100, rest = n % 100;
    std::string out = hundreds == 0 ? "" : hundreds == 1 ? "cento" : std::string(UNITS[size_t(hundreds)]) + "cento";
    if (rest >= 80 && rest < 90 && !out.empty()) out.pop_back();
    return out + (rest ? belowHundred(rest) : "");
}

}  // namespace

std::optional<int> romanValue(std::string_view letters) {
    if (letters.empty() || letters.size() > 15) return std::nullopt;
    auto digit = [](char c) {
        switch (c) {
            case 'I': return 1;
            case 'V': return 5;
            case 'X': return 10;
            case 'L': return 50;
            case 'C': return 100;
            case 'D': return 500;
            case 'M': return 1000;
            default: return 0;
        }
    };
    int value = 0;
    for (size_t i = 0; i < letters.size(); ++i) {
        const int d = digit(letters[i]);
        if (d == 0) return std::nullopt;
        value += i + 1 < letters.size() && d < digit(letters[i + 1]) ? -d : d;
    }
    // IIII or VX add up too; only the standard spelling of a value counts.
    if (value < 1 || value > MAX_ROMAN || romanOf(value) != letters) return std::nullopt;
    return value;
}

std::string italianNumber(int value) {
    if (value < 1 || value > MAX_SPELLED) return {};
    const int thousands = value / 1000, rest = value % 1000;
    std::string out = thousands == 0 ? "" : thousands == 1 ? "mille" : belowHundred(thousands) + "mila";
    out += rest ? belowThousand(rest) : "";
    // A final tre after anything else is stressed: ventitré, centotré.
    if (value > 3 && value % 10 == 3 && value % 100 != 13) out.replace(out.size() - 3, 3, "tré");
    return out;
}

std::string romanNumeral(int value) { return romanOf(value); }

std::optional<int> numberSpelled(std::string_view folded) {
    static const std::unordered_map<std::string, int> spelled = [] {
        std::unordered_map<std::string, int> out;
        for (int n = 1; n <= MAX_SPELLED; ++n) out.emplace(foldWord(italianNumber(n)).value_or(""), n);
        return out;
    }();
    const auto found = spelled.find(std::string(folded));
    if (found == spelled.end()) return std::nullopt;
    return found->second;
}

}  // namespace quirvo
