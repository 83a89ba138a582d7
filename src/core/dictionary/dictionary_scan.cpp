#include "core/dictionary/dictionary_scan.h"

#include <string_view>

namespace quirvo {

namespace {

std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool isRemark(char initial) { return initial == '\'' || initial == '#'; }
bool isIndexable(char initial) { return initial >= '@' && initial <= 'Z'; }

}  // namespace

std::vector<OrderWarning> indexDictionary(Dictionary& dict) {
    std::vector<OrderWarning> warnings;
    dict.dictLetterStart.fill(0);
    char previousInitial = 0;
    std::string_view previousEntry;
    int lineNumber = 0;
    const std::string& text = dict.dictText;
    forEachLine(text, [&](size_t pos, size_t len) {
        ++lineNumber;
        const std::string_view entry = trimSpaces(std::string_view(text).substr(pos, len));
        if (entry.empty() || isRemark(entry.front()) || !isIndexable(entry.front())) return;
        const char initial = entry.front();
        int32_t& start = dict.dictLetterStart[initial - '@'];
        if (initial != previousInitial && start == 0) start = static_cast<int32_t>(pos + 1);
        if (entry.size() > 2 && previousEntry.size() > 2 && entry < previousEntry)
            warnings.push_back({std::string(entry), lineNumber});
        previousInitial = initial;
        previousEntry = entry;
    });
    return warnings;
}

Dictionary makeDictionary(std::string fileName, std::string plainText) {
    Dictionary dict;
    dict.dictFileName = std::move(fileName);
    dict.dictText = std::move(plainText);
    dict.active = true;
    indexDictionary(dict);
    return dict;
}

}  // namespace quirvo
