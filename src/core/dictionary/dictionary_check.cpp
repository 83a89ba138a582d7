#include "core/dictionary/dictionary_check.h"

#include "core/dictionary/plain_list.h"
#include "core/dictionary/vowel_sets.h"

namespace quirvo {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool isEntryCharacter(char c) { return (c >= 'A' && c <= 'Z') || isVowelSetSymbol(c); }

class Checker {
public:
    void line(int number, std::string_view raw, bool loneEnd) {
        number_ = number;
        raw_ = raw;
        if (loneEnd && !loneEndSeen_) report(LineProblemKind::LineEnd);
        loneEndSeen_ = loneEndSeen_ || loneEnd;
        const std::string_view trimmed = trimBlanks(raw);
        if (trimmed.empty()) return report(LineProblemKind::Empty);
        if (trimmed.size() != raw.size()) report(LineProblemKind::Blanks);
        if (isRemarkLine(trimmed)) return;
        std::string entry(trimmed);
        bool lower = false;
        for (char& c : entry)
            if (c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 'a' + 'A');
                lower = true;
            }
        if (lower) report(LineProblemKind::LowerCase);
        if (entry.front() < '@' || entry.front() > 'Z') return report(LineProblemKind::BadInitial);
        for (char c : entry.substr(1))
            if (!isEntryCharacter(c)) {
                report(LineProblemKind::BadCharacter);
                break;
            }
        if (entry < previous_) report(LineProblemKind::OutOfOrder);
        previous_ = std::move(entry);
    }
    std::vector<LineProblem> problems;

private:
    void report(LineProblemKind kind) { problems.push_back({number_, kind, std::string(raw_)}); }

    int number_ = 0;
    std::string_view raw_;
    std::string previous_;
    bool loneEndSeen_ = false;
};

}  // namespace

std::vector<LineProblem> checkPlainList(std::string_view text) {
    Checker checker;
    int number = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = findLineEnd(text, pos);
        size_t next = end + 1;
        bool loneEnd = end < text.size();
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') {
            ++next;
            loneEnd = false;
        }
        checker.line(++number, text.substr(pos, end - pos), loneEnd);
        pos = next;
    }
    return std::move(checker.problems);
}

std::string describeProblem(const LineProblem& problem) {
    const std::string quoted = "'" + problem.line + "'";
    switch (problem.kind) {
        case LineProblemKind::OutOfOrder: return "out of order, sorts before the entry above: " + quoted;
        case LineProblemKind::Empty: return "empty line";
        case LineProblemKind::Blanks: return "leading or trailing blanks (the program trims them): " + quoted;
        case LineProblemKind::LowerCase: return "lower-case letters (the program makes them upper case): " + quoted;
        case LineProblemKind::BadInitial:
            return "first character is not '@' or A-Z, so the entry is never indexed: " + quoted;
        case LineProblemKind::BadCharacter: return "character other than A-Z or a vowel-set symbol: " + quoted;
        case LineProblemKind::LineEnd: return "line ends with a lone CR or LF (the program makes it CR LF; later ones are not listed)";
    }
    return "unknown problem";
}

}  // namespace quirvo
