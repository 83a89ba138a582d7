#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quirvo {

// The minimum familiarity levels the setter chooses from.
inline constexpr int FAMILIARITY_ALL = 0;          // "tutte"
inline constexpr int FAMILIARITY_COMMON = 30;      // "comuni"
inline constexpr int FAMILIARITY_VERY_COMMON = 60;  // "molto comuni"

// The editor's rules ("Regole della Rivista") as the setter sets them:
// what a magazine prints. Off, checks and fills take every word of the
// active dictionaries as they always have.
struct EditorRules {
    bool on = false;
    int minFamiliarity = FAMILIARITY_ALL;
    std::vector<std::string> banned;  // the setter's own refused words, folded

    bool operator==(const EditorRules&) const = default;
};

// Reads a list of banned words: one a line, any case, accents allowed,
// blank lines and lines starting with "#" skipped; words that fold to
// nothing are left out. Gives them folded, sorted, without repeats.
std::vector<std::string> parseBannedWords(std::string_view text);

}  // namespace quirvo
