#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quirvo {

// The committed lists of data/: lines starting with "#" say where a group
// comes from, blank lines separate groups.

// The blank-separated words of a list.
std::vector<std::string> readWordList(std::string_view text);

// The "KEY = TEXT" lines of a list (blanks around both trimmed); a line
// without "=" or with an empty side is skipped.
std::vector<std::pair<std::string, std::string>> readKeyedList(std::string_view text);

// A JSON array of strings, as the frequency and name lists hold them, in
// its order; nothing when the text is not one (other values are skipped).
std::optional<std::vector<std::string>> readStringArray(std::string_view json);

}  // namespace quirvo
