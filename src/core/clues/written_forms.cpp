#include "core/clues/written_forms.h"

#include <functional>

#include "core/clues/italian_grammar.h"
#include "core/common/text_encoding.h"
#include "core/dictionary/word_folding.h"

namespace quirvo {

namespace {

void forEachLine(std::string_view text, const std::function<void(std::string_view)>& take) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) take(line);
    }
}

}  // namespace

WrittenForms::WrittenForms(std::string_view wordList) {
    forEachLine(wordList, [this](std::string_view line) {
        const std::optional<std::string> folded = foldWord(line);
        if (!folded || folded->back() < 'A' || folded->back() > 'Z') return;
        const std::string text = validUtf8(line);
        if (text != lowerUtf8(text)) names_.emplace(*folded, text);
        else if (text != lowerUtf8(*folded)) accented_.emplace(*folded, text);
    });
    forEachLine(wordList, [this](std::string_view line) {
        const std::optional<std::string> folded = foldWord(line);
        if (folded && validUtf8(line) == lowerUtf8(*folded)) accented_.erase(*folded);
    });
}

std::string WrittenForms::word(std::string_view folded) const {
    const auto found = accented_.find(std::string(folded));
    return found != accented_.end() ? found->second : lowerUtf8(folded);
}

std::string WrittenForms::name(std::string_view folded) const {
    const auto found = names_.find(std::string(folded));
    return found != names_.end() ? found->second : capitalised(word(folded));
}

}  // namespace quirvo
