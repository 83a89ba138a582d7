#include "core/facts/clitics.h"

#include <algorithm>
#include <array>

namespace quirvo {

namespace {

constexpr std::array<std::string_view, 11> SINGLE{"MI", "TI", "SI", "CI", "VI", "LO", "LA", "LI", "LE", "NE", "GLI"};
constexpr std::array<std::string_view, 6> BEFORE_OBJECT{"ME", "TE", "SE", "CE", "VE", "GLIE"};
constexpr std::array<std::string_view, 5> OBJECT{"LO", "LA", "LI", "LE", "NE"};

template <size_t N>
bool among(const std::array<std::string_view, N>& list, std::string_view s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

}  // namespace

bool isCliticCluster(std::string_view letters) {
    if (among(SINGLE, letters)) return true;
    if (letters.size() < 4) return false;
    const std::string_view first = letters.substr(0, letters.size() - 2);
    const std::string_view last = letters.substr(letters.size() - 2);
    if (among(OBJECT, last) && among(BEFORE_OBJECT, first)) return true;
    return (last == "SI" || last == "CI") && among(SINGLE, first) && first != last;
}

std::vector<size_t> cliticEndings(std::string_view word) {
    std::vector<size_t> lengths;
    for (size_t n = 2; n <= 6 && n < word.size(); ++n)
        if (isCliticCluster(word.substr(word.size() - n))) lengths.push_back(n);
    return lengths;
}

}  // namespace quirvo
