#include "core/facts/roman_numerals.h"

#include <array>

namespace quirvo {

namespace {

// The digits of one decimal place: ones, tens, hundreds, thousands.
struct Place {
    char one, five, ten;
};
constexpr std::array<Place, 4> PLACES{{{'I', 'V', 'X'}, {'X', 'L', 'C'}, {'C', 'D', 'M'}, {'M', 0, 0}}};

// The spelling of digit d (0-9) at a place, as the notation writes it.
std::string_view spell(const Place& p, int d, char (&buffer)[5]) {
    size_t n = 0;
    if (d == 9) buffer[n++] = p.one, buffer[n++] = p.ten;
    else if (d == 4) buffer[n++] = p.one, buffer[n++] = p.five;
    else {
        if (d >= 5) buffer[n++] = p.five, d -= 5;
        while (d-- > 0) buffer[n++] = p.one;
    }
    return {buffer, n};
}

}  // namespace

bool isRomanNumeral(std::string_view word) {
    if (word.empty()) return false;
    // Reads the places from the thousands down, taking the longest spelling
    // of a digit that the rest starts with.
    for (int place = 3; place >= 0; --place) {
        const int highest = place == 3 ? 3 : 9;
        for (int d = highest; d >= 1; --d) {
            char buffer[5];
            const std::string_view s = spell(PLACES[size_t(place)], d, buffer);
            if (word.starts_with(s)) {
                word.remove_prefix(s.size());
                break;
            }
        }
    }
    return word.empty();
}

}  // namespace quirvo
