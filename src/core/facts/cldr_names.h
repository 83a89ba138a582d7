#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quirvo {

// The Italian names of countries and languages in the Unicode CLDR locale
// data (common/main/it.xml): <territory type="FR">Francia</territory> and
// <language type="en">inglese</language>, keyed by code; alternative
// names (alt="short", alt="variant") are left out.
struct CldrNames {
    std::map<std::string, std::string> territories, languages;
};

// Nothing when the text is not well-formed XML.
std::optional<CldrNames> readCldrNames(std::string_view xml);

}  // namespace quirvo
