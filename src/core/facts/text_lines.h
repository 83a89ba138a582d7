#pragma once

#include <string_view>

namespace quirvo {

// Calls f(line) for every line of a text, without its CR LF, CR or LF.
template <typename F>
void forEachLine(std::string_view text, F&& f) {
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        f(text.substr(0, end));
        if (end == std::string_view::npos) return;
        const size_t next = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? end + 2 : end + 1;
        text.remove_prefix(next);
    }
}

// The blank-separated fields of a line.
template <typename F>
void forEachField(std::string_view line, F&& f) {
    constexpr std::string_view BLANKS = " \t";
    for (size_t at = line.find_first_not_of(BLANKS); at != std::string_view::npos;
         at = line.find_first_not_of(BLANKS, at)) {
        const size_t end = line.find_first_of(BLANKS, at);
        f(line.substr(at, end - at));
        if (end == std::string_view::npos) return;
        at = end;
    }
}

}  // namespace quirvo
