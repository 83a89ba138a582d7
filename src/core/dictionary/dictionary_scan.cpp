#include "core/dictionary/dictionary_scan.h"

#include <algorithm>
#include <cstring>

namespace quirvo {

namespace {

bool isRemark(char initial) { return initial == '\'' || initial == '#'; }
bool isIndexable(char initial) { return initial >= '@' && initial <= 'Z'; }

// a < b by byte codes, the first `known` bytes being equal.
bool sortsBefore(const char* a, size_t aLength, const char* b, size_t bLength, size_t known) {
    const size_t common = std::min(aLength, bLength);
    known = std::min(known, common);
    if (known < common && a[known] != b[known])
        return static_cast<unsigned char>(a[known]) < static_cast<unsigned char>(b[known]);
    const int order = std::memcmp(a + known, b + known, common - known);
    return order < 0 || (order == 0 && aLength < bLength);
}

}  // namespace

LetterIndexer::LetterIndexer(std::array<int32_t, 27>& letterStart) : letterStart_(letterStart) {
    letterStart_.fill(0);
}

void LetterIndexer::line(const char* text, size_t pos, size_t len, size_t shared) {
    ++lineNumber_;
    size_t lead = 0;
    while (lead < len && text[pos + lead] == ' ') ++lead;
    size_t end = len;
    while (end > lead && text[pos + end - 1] == ' ') --end;
    const size_t entryStart = pos + lead, entryLength = end - lead;
    const char initial = entryLength ? text[entryStart] : 0;
    if (entryLength == 0 || isRemark(initial) || !isIndexable(initial)) {
        previousIsLineAbove_ = false;
        return;
    }
    int32_t& start = letterStart_[initial - '@'];
    if (initial != previousInitial_ && start == 0) start = static_cast<int32_t>(pos + 1);
    if (entryLength > 2 && previousLength_ > 2) {
        const size_t known = previousIsLineAbove_ && lead == 0 ? shared : 0;
        if (sortsBefore(text + entryStart, entryLength, text + previousStart_, previousLength_, known))
            warnings_.push_back({std::string(text + entryStart, entryLength), lineNumber_});
    }
    previousInitial_ = initial;
    previousStart_ = entryStart;
    previousLength_ = entryLength;
    previousIsLineAbove_ = lead == 0;
}

std::vector<OrderWarning> indexDictionary(Dictionary& dict) {
    LetterIndexer indexer(dict.dictLetterStart);
    const std::string& text = dict.dictText;
    forEachLine(text, [&](size_t pos, size_t len) { indexer.line(text.data(), pos, len); });
    return indexer.takeWarnings();
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
