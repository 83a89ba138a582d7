#include "core/editing/list_transfer.h"

#include <algorithm>
#include <cctype>

namespace quirvo {

namespace {

// Length of line without a final " -" + digits, the dictionary's mark.
size_t withoutDictionaryMark(const std::string& line) {
    size_t digits = line.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(line[digits - 1]))) --digits;
    if (digits == line.size() || digits < 2) return line.size();
    if (line[digits - 1] != '-' || line[digits - 2] != ' ') return line.size();
    return digits - 2;
}

}  // namespace

std::optional<std::string> offeredText(const std::string& line, int workMode) {
    std::string acce = line;
    if (workMode == 6) acce = acce.substr(0, 1);
    switch (workMode) {
    case 9:
        if (acce == " nessun Anagramma ") return std::nullopt;
        break;
    case 11:
        if (acce == " OK Ortografia ") return std::nullopt;
        break;
    case 10:
        if (acce == " nessun Sin./Cont." || acce.empty() || acce.back() == '=' || acce.back() == '<')
            return std::nullopt;
        acce.erase(0, 1);
        break;
    default: break;
    }
    acce.resize(withoutDictionaryMark(acce));
    return acce;
}

std::string Alternatives::choose(const std::string& acce) {
    const size_t p = acce.find('(');
    const size_t q = acce.find(')');
    if (p == std::string::npos || q == std::string::npos || q < p) {
        altLine.clear();
        altIndex = 0;
        return acce;
    }
    int used = altIndex;
    if (acce != altLine) {
        altLine = acce;
        altPrefix = acce.substr(0, p);
        altChars = acce.substr(p + 1, q - p - 1);
        used = 0;
    }
    altIndex = static_cast<int16_t>(used + 1);
    if (altIndex > static_cast<int>(altChars.size())) altIndex = 1;
    if (altChars.empty()) return altPrefix;
    return altPrefix + altChars[altIndex - 1];
}

WordLayout layOutWord(const std::string& word) {
    WordLayout layout;
    for (size_t k = 0; k < word.size(); ++k) {
        if (word[k] == ' ')
            ++layout.blanks;
        else
            layout.letters.emplace_back(static_cast<int>(k), word[k]);
    }
    const size_t first = word.find_first_not_of(' ');
    if (first != std::string::npos)
        layout.trimmedLength = static_cast<int>(word.find_last_not_of(' ') - first + 1);
    return layout;
}

}  // namespace quirvo
