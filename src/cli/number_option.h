#pragma once

#include <charconv>
#include <iostream>
#include <string>

namespace quirvo::cli {

// Reads the whole text as a number of zero or more; false with a message
// on stderr otherwise.
template <typename T>
bool parseNumber(const std::string& verb, const std::string& option, const std::string& text, T& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && end == text.data() + text.size() && value >= T(0)) return true;
    std::cerr << "quirvo-diz " << verb << ": " << option << " takes a number, not '" << text << "'\n";
    return false;
}

}  // namespace quirvo::cli
