#pragma once

#include <string>
#include <string_view>

namespace quirvo::cli {

// A JSON string literal of UTF-8 text: quotes, backslashes and control
// characters escaped, everything else as it is.
std::string jsonString(std::string_view utf8);

}  // namespace quirvo::cli
