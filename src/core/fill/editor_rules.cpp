#include "core/fill/editor_rules.h"

#include <algorithm>

#include "core/dictionary/word_folding.h"

namespace quirvo {

std::vector<std::string> parseBannedWords(std::string_view text) {
    std::vector<std::string> words;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.empty() || line.front() == '#') continue;
        if (std::optional<std::string> folded = foldWord(line); folded && folded->find_first_not_of(
                                                                         "ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos)
            words.push_back(std::move(*folded));
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

}  // namespace quirvo
