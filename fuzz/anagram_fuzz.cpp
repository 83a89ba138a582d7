// Any bytes as a TEST word (the first line) and a base dictionary (the
// rest) through the anagram scan. Every listed word must have the TEST
// word's length, differ from it and hold each of its non-blank letters.
#include <cstdint>
#include <string>

#include "core/dictionary/dictionary_scan.h"
#include "core/tools/anagram.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quirvo;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t newline = input.find('\n');
    const std::string testText = input.substr(0, newline);
    Dictionary base;
    if (newline != std::string::npos) base.dictText = input.substr(newline + 1);

    const AnagramIndex index(base);
    Progress progress;
    const AnagramOutcome outcome = anagrammi(index, testText, progress);
    if (outcome.resultCount == 0) return 0;
    const std::string word = anagramTestWord(testText);
    for (std::string left : outcome.lines) {
        if (left.size() != word.size() || left == word) __builtin_trap();
        for (char c : word) {
            if (c == ' ') continue;
            const size_t at = left.find(c);
            if (at == std::string::npos) __builtin_trap();
            left[at] = '\0';
        }
    }
    return 0;
}
