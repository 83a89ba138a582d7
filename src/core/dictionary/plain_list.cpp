#include "core/dictionary/plain_list.h"

#include <cstring>

namespace quirvo {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// One line without its end: would preparing change it?
bool lineNeedsPreparing(std::string_view line) {
    if (line.empty() || isBlank(line.front()) || isBlank(line.back())) return true;
    const bool remark = isRemarkLine(line);
    for (char c : line)
        if (c == '\r' || (!remark && isLower(c))) return true;
    return false;
}

}  // namespace

bool isRemarkLine(std::string_view line) { return !line.empty() && (line.front() == '\'' || line.front() == '#'); }

bool needsPreparing(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
        const void* found = std::memchr(text.data() + pos, '\n', text.size() - pos);
        if (!found) return lineNeedsPreparing(text.substr(pos));
        const size_t nl = static_cast<const char*>(found) - text.data();
        if (nl == pos || text[nl - 1] != '\r') return true;
        if (lineNeedsPreparing(text.substr(pos, nl - 1 - pos))) return true;
        pos = nl + 1;
    }
    return false;
}

std::string preparePlainList(std::string text) {
    if (!needsPreparing(text)) return text;
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    forEachRawLine(text, [&](std::string_view raw) {
        const std::string_view line = trimBlanks(raw);
        if (line.empty()) return;
        const size_t start = out.size();
        out.append(line);
        if (!isRemarkLine(line))
            for (size_t i = start; i < out.size(); ++i)
                if (isLower(out[i])) out[i] = static_cast<char>(out[i] - 'a' + 'A');
        out.append("\r\n");
    });
    return out;
}

}  // namespace quirvo
