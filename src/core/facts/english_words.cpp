#include "core/facts/english_words.h"

#include <algorithm>

#include "core/facts/text_lines.h"

namespace quirvo {

namespace {

constexpr std::string_view BASE64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::optional<size_t> base64Number(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    size_t value = 0;
    for (const char c : digits) {
        const size_t digit = BASE64.find(c);
        if (digit == std::string_view::npos) return std::nullopt;
        value = value * 64 + digit;
    }
    return value;
}

bool plainWord(std::string_view word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// "1. aiutare, assistere": aiutare.
std::string firstMeaning(std::string_view line) {
    const size_t dot = line.find(". ");
    if (dot != std::string_view::npos && dot > 0 &&
        std::all_of(line.begin(), line.begin() + long(dot), [](char c) { return c >= '0' && c <= '9'; }))
        line.remove_prefix(dot + 2);
    line = line.substr(0, line.find(','));
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    return std::string(line);
}

// The entry's first translation, the line after the headword's, when the
// entry is of the word itself: the index files phrases ("be afraid") and
// names ("America") under their words too.
std::string meaningOf(std::string_view word, std::string_view entry) {
    const size_t first = entry.find('\n');
    if (first == std::string_view::npos) return {};
    const std::string_view head = entry.substr(0, first);
    if (head.substr(0, head.find(" /")) != word) return {};
    entry.remove_prefix(first + 1);
    return firstMeaning(entry.substr(0, entry.find('\n')));
}

}  // namespace

std::optional<std::vector<EnglishWord>> readEnglishItalian(std::string_view index, std::string_view text) {
    std::vector<EnglishWord> words;
    bool damaged = false;
    forEachLine(index, [&](std::string_view line) {
        const size_t tab = line.find('\t'), tab2 = line.find('\t', tab + 1);
        if (tab == std::string_view::npos || tab2 == std::string_view::npos) return void(damaged = true);
        const auto offset = base64Number(line.substr(tab + 1, tab2 - tab - 1));
        const auto length = base64Number(line.substr(tab2 + 1));
        if (!offset || !length || *offset > text.size() || *length > text.size() - *offset) return void(damaged = true);
        const std::string_view word = line.substr(0, tab);
        if (!plainWord(word)) return;
        std::string meaning = meaningOf(word, text.substr(*offset, *length));
        if (!meaning.empty()) words.push_back({std::string(word), std::move(meaning)});
    });
    if (damaged) return std::nullopt;
    return words;
}

}  // namespace quirvo
