#include "core/clues/letter_play.h"

namespace quirvo {

namespace {

bool isVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }

std::string every(std::string_view w, bool vowels) {
    std::string out;
    for (char c : w)
        if (isVowel(c) == vowels) out += c;
    return out;
}

std::string everyOther(std::string_view w, size_t from) {
    std::string out;
    for (size_t i = from; i < w.size(); i += 2) out += w[i];
    return out;
}

std::string initials(std::string_view name) {
    std::string out;
    for (size_t i = 0; i < name.size(); ++i)
        if (name[i] != ' ' && (i == 0 || name[i - 1] == ' ')) out += name[i];
    return out;
}

}  // namespace

SuggestionKind kindOfPlay(Play play) {
    switch (play) {
        case Play::Head: return SuggestionKind::Head;
        case Play::Tail: return SuggestionKind::Tail;
        case Play::Middle: return SuggestionKind::Middle;
        case Play::Ends: return SuggestionKind::Ends;
        case Play::FirstHalf:
        case Play::SecondHalf: return SuggestionKind::Half;
        case Play::Consonants: return SuggestionKind::Consonants;
        case Play::Vowels: return SuggestionKind::Vowels;
        case Play::Initials: return SuggestionKind::Initials;
        case Play::Odd:
        case Play::Even: break;
    }
    return SuggestionKind::Alternate;
}

std::string playLetters(Play play, std::string_view w, int count) {
    const size_t n = size_t(count), len = w.size();
    if (play == Play::Initials) {
        const std::string letters = initials(w);
        return letters.size() == n && w.find(' ') != std::string_view::npos ? letters : "";
    }
    if (len <= n || w.find(' ') != std::string_view::npos) return {};
    std::string out;
    switch (play) {
        case Play::Head: out = w.substr(0, n); break;
        case Play::Tail: out = w.substr(len - n); break;
        case Play::Middle:
            if ((len - n) % 2 == 0) out = w.substr((len - n) / 2, n);
            break;
        case Play::Ends:
            if (n == 2) out = {w.front(), w.back()};
            break;
        case Play::FirstHalf:
        case Play::SecondHalf:
            if (len == 2 * n) out = w.substr(play == Play::FirstHalf ? 0 : n, n);
            break;
        case Play::Consonants:
        case Play::Vowels: {
            const bool vowels = play == Play::Vowels;
            // A word of consonants only would give itself away.
            if (every(w, !vowels).empty()) break;
            out = every(w, vowels);
            break;
        }
        case Play::Odd:
        case Play::Even: out = everyOther(w, play == Play::Odd ? 0 : 1); break;
        case Play::Initials: break;
    }
    return out.size() == n ? out : "";
}

}  // namespace quirvo
