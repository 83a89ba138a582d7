#pragma once

#include <string_view>

namespace quirvo {

// A roman numeral from 1 to 3999 in the standard subtractive notation
// (XL, MCMXCIV; not IIII, IC or VX), in upper case.
bool isRomanNumeral(std::string_view word);

}  // namespace quirvo
