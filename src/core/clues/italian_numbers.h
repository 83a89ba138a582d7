#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quirvo {

// The value of a roman numeral written the standard way (XL, not XXXX),
// none for anything else.
std::optional<int> romanValue(std::string_view letters);

// A number from 1 to 3999 in Italian words, in one word as Italian writes
// it: "ventuno", "centottanta", "milleduecentotrentatré".
std::string italianNumber(int value);

}  // namespace quirvo
