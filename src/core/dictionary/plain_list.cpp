#include "core/dictionary/plain_list.h"

#include <algorithm>
#include <cstdint>
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

// A quick pass over the whole text, sixteen bytes at a time: false when it
// surely needs no preparing (no lower case, blank, lone CR or LF, or empty
// line anywhere). Lower case and blanks inside remarks make it answer true,
// and the exact line-by-line test then decides.
bool mayNeedPreparing(std::string_view text) {
    using Bytes = unsigned char __attribute__((vector_size(16)));
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    const auto suspicious = [&](size_t i) {
        const unsigned char c = p[i], previous = i == 0 ? '\n' : p[i - 1];
        return (c >= 'a' && c <= 'z') || c == ' ' || c == '\t' || (c == '\n') != (previous == '\r') ||
               (previous == '\n' && c == '\r');
    };
    if (n == 0) return false;
    if (suspicious(0) || p[n - 1] == '\r') return true;
    Bytes found{};
    size_t i = 1;
    for (; i + 16 <= n; i += 16) {
        Bytes c, previous;
        std::memcpy(&c, p + i, 16);
        std::memcpy(&previous, p + i - 1, 16);
        found |= reinterpret_cast<Bytes>((c - 'a') < 26) | reinterpret_cast<Bytes>(c == ' ') |
                 reinterpret_cast<Bytes>(c == '\t') |
                 reinterpret_cast<Bytes>((c == '\n') ^ (previous == '\r')) |
                 reinterpret_cast<Bytes>((previous == '\n') & (c == '\r'));
    }
    uint64_t halves[2];
    std::memcpy(halves, &found, sizeof halves);
    if (halves[0] | halves[1]) return true;
    for (; i < n; ++i)
        if (suspicious(i)) return true;
    return false;
}

}  // namespace

bool isRemarkLine(std::string_view line) { return !line.empty() && (line.front() == '\'' || line.front() == '#'); }

bool linePrepared(std::string_view line, size_t knownGood) {
    if (line.empty() || isBlank(line.front()) || isBlank(line.back())) return false;
    const bool remark = isRemarkLine(line);
    for (size_t i = std::min(knownGood, line.size()); i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\r' || c == '\n' || (!remark && isLower(c))) return false;
    }
    return true;
}

bool needsPreparing(std::string_view text) {
    if (!mayNeedPreparing(text)) return false;
    size_t pos = 0;
    while (pos < text.size()) {
        const void* found = std::memchr(text.data() + pos, '\n', text.size() - pos);
        if (!found) return !linePrepared(text.substr(pos));
        const size_t nl = static_cast<const char*>(found) - text.data();
        if (nl == pos || text[nl - 1] != '\r') return true;
        if (!linePrepared(text.substr(pos, nl - 1 - pos))) return true;
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
