#include "core/dictionary/word_list_builder.h"

#include <algorithm>

#include "core/dictionary/dictionary.h"
#include "core/dictionary/plain_list.h"
#include "core/dictionary/vowel_sets.h"
#include "core/dictionary/word_folding.h"

namespace quirvo {

namespace {

std::string_view trimWhitespace(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

int vowelIndex(char c) {
    const auto at = std::string_view("AEIO").find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::string_view stemOf(const std::string& word) { return std::string_view(word).substr(0, word.size() - 1); }

}  // namespace

WordListBuilder::WordListBuilder(BuildOptions options) : options_(options) {}

void WordListBuilder::addLine(std::string_view line) {
    if (options_.stripFlags) line = line.substr(0, line.find_first_of("/\t"));
    line = trimWhitespace(line);
    if (line.empty()) return;
    if (options_.keepRemarks && isRemarkLine(line)) {
        remarks_.emplace_back(line);
        return;
    }
    ++stats_.lines;
    const auto folded = foldWord(line);
    if (!folded) {
        ++stats_.invalid;
        return;
    }
    if (folded->size() < options_.minLength || folded->size() > options_.maxLength) ++stats_.wrongLength;
    else if (!isVowelSetSymbol(folded->back())) words_.insert(std::move(*folded));
    else
        for (std::string& word : expandEntry(*folded)) words_.insert(std::move(word));
}

void WordListBuilder::addText(std::string_view text) {
    forEachRawLine(text, [&](std::string_view line) { addLine(line); });
}

void WordListBuilder::exclude(std::string_view plainList) {
    forEachRawLine(plainList, [&](std::string_view line) {
        line = trimWhitespace(line);
        if (isRemarkLine(line)) return;
        if (const auto folded = foldWord(line))
            for (std::string& word : expandEntry(*folded)) excluded_.insert(std::move(word));
    });
}

std::vector<std::string> WordListBuilder::finish() {
    std::vector<std::string> words;
    words.reserve(words_.size());
    stats_.words = words_.size();
    for (auto node = words_.begin(); node != words_.end();) {
        auto handle = words_.extract(node++);
        if (excluded_.count(handle.value())) ++stats_.excluded;
        else words.push_back(std::move(handle.value()));
    }
    words_.clear();
    excluded_.clear();
    std::sort(words.begin(), words.end());
    if (options_.vowelSets) words = mergeVowelSets(words);
    stats_.entries = words.size();
    words.insert(words.begin(), std::make_move_iterator(remarks_.begin()), std::make_move_iterator(remarks_.end()));
    remarks_.clear();
    return words;
}

std::vector<std::string> mergeVowelSets(const std::vector<std::string>& sortedWords) {
    // Words ending in A, E, I or O, grouped by the letters before that vowel.
    std::vector<size_t> candidates;
    for (size_t i = 0; i < sortedWords.size(); ++i)
        if (sortedWords[i].size() >= 2 && vowelIndex(sortedWords[i].back()) >= 0) candidates.push_back(i);
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](size_t a, size_t b) { return stemOf(sortedWords[a]) < stemOf(sortedWords[b]); });

    std::vector<bool> merged(sortedWords.size(), false);
    std::vector<std::string> result;
    for (size_t g = 0; g < candidates.size();) {
        const std::string_view stem = stemOf(sortedWords[candidates[g]]);
        size_t end = g;
        std::string vowels;
        while (end < candidates.size() && stemOf(sortedWords[candidates[end]]) == stem)
            vowels += sortedWords[candidates[end++]].back();
        if (vowels.size() >= 2) {
            for (size_t k = g; k < end; ++k) merged[candidates[k]] = true;
            result.push_back(std::string(stem) + vowelSetSymbol(vowels));
        }
        g = end;
    }
    for (size_t i = 0; i < sortedWords.size(); ++i)
        if (!merged[i]) result.push_back(sortedWords[i]);
    std::sort(result.begin(), result.end());
    return result;
}

std::string joinPlainList(const std::vector<std::string>& entries) {
    size_t size = 0;
    for (const auto& entry : entries) size += entry.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& entry : entries) {
        text += entry;
        text += LINE_SEP;
    }
    return text;
}

}  // namespace quirvo
