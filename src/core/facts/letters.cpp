#include "core/facts/letters.h"

#include "core/dictionary/word_folding.h"

namespace quirvo {

std::optional<std::string> letterWord(std::string_view utf8) {
    auto word = foldWord(utf8);
    if (!word || word->empty() || word->find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos)
        return std::nullopt;
    return word;
}

}  // namespace quirvo
