#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quirvo {

// The value of a roman numeral written the standard way (XL, not XXXX),
// none for anything else.
std::optional<int> romanValue(std::string_view letters);

// The largest number roman numerals write the standard way.
inline constexpr int MAX_ROMAN = 3999;
inline constexpr int MAX_SPELLED = 9999;

// A number from 1 to 9999 in Italian words, in one word as Italian writes
// it: "ventuno", "centottanta", "milleduecentotrentatré".
std::string italianNumber(int value);

// The same number in roman numerals: "LXXX" for 80.
std::string romanNumeral(int value);

// The number an entry spells (OTTANTA: 80, VENTITRE: 23), from 1 to 9999;
// none for any other word.
std::optional<int> numberSpelled(std::string_view folded);

}  // namespace quirvo
