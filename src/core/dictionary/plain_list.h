#pragma once

#include <string>
#include <string_view>

namespace quirvo {

// A plain list as the program uses it: every line ends with CR LF, has no
// leading or trailing blanks and is not empty, and the letters of every
// line but the remarks ("'" or "#" first) are upper case. Hand-made lists
// come with other line ends, blank lines and lower case; they are mended
// in memory when loaded, so their entries can be indexed and found.

bool isRemarkLine(std::string_view line);

// Whether one line (without its end) is as preparing leaves it. Its first
// knownGood bytes are taken as checked already: a decoder that shares a
// prefix with a checked line above looks only at the new bytes.
bool linePrepared(std::string_view line, size_t knownGood = 0);

// True when preparePlainList would change the text (a missing CR LF after
// the last line alone does not count).
bool needsPreparing(std::string_view text);

// Splits at CR LF, lone CR and lone LF; trims spaces and tabs; drops empty
// lines; folds a-z to A-Z outside remarks; ends every line with CR LF.
// Other bytes, those above 127 included, are kept as they are.
std::string preparePlainList(std::string text);

// The first CR or LF at or after pos, or text.size() when there is none.
inline size_t findLineEnd(std::string_view text, size_t pos) {
    while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n') ++pos;
    return pos;
}

// Calls f(line) for every line of any text, splitting at CR LF, lone CR
// and lone LF; f gets the line without its end.
template <typename F>
void forEachRawLine(std::string_view text, F&& f) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = findLineEnd(text, pos);
        f(text.substr(pos, end - pos));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        pos = end + 1;
    }
}

}  // namespace quirvo
