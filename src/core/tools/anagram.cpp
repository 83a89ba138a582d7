#include "core/tools/anagram.h"

#include <algorithm>
#include <array>

#include "core/common/text_encoding.h"
#include "core/dictionary/vowel_sets.h"

namespace quirvo {

namespace {

// The letters a candidate must contain: every character of the TEST word
// but its blanks, with repeats.
class LetterNeed {
public:
    explicit LetterNeed(std::string_view word) {
        for (char c : word) {
            if (c == ' ') continue;
            const auto b = static_cast<unsigned char>(c);
            if (need_[b]++ == 0) distinct_.push_back(b);
            letters_ |= letterBit(c);
        }
    }

    uint32_t letters() const { return letters_; }

    // True when the candidate holds every needed letter as often as needed;
    // with equal lengths the blanks of the word take up the rest.
    bool metBy(std::string_view candidate) {
        for (char c : candidate) ++have_[static_cast<unsigned char>(c)];
        const bool met = std::all_of(distinct_.begin(), distinct_.end(),
                                     [&](unsigned char b) { return have_[b] >= need_[b]; });
        for (char c : candidate) have_[static_cast<unsigned char>(c)] = 0;
        return met;
    }

private:
    std::array<uint32_t, 256> need_{};
    std::array<uint32_t, 256> have_{};
    std::vector<unsigned char> distinct_;
    uint32_t letters_ = 0;
};

// The result of one dictionary line, or "" when it gives none.
std::string lineAnagram(std::string_view line, const std::string& word, LetterNeed& need) {
    const VowelSet* set = findVowelSet(line.back());
    if (!set) return line != word && need.metBy(line) ? std::string(line) : std::string();
    std::string candidate(line);
    for (char vowel : set->vowels) {
        candidate.back() = vowel;
        if (candidate != word && need.metBy(candidate)) return candidate;
    }
    return {};
}

void finish(AnagramOutcome& outcome) {
    std::sort(outcome.lines.begin(), outcome.lines.end());
    outcome.resultCount = static_cast<int>(outcome.lines.size());
    if (outcome.resultCount == 0) {
        outcome.lines = {" ", " nessun Anagramma "};
        outcome.panel2 = " nessun Anagramma ";
        outcome.beep = true;
    } else {
        outcome.panel2 = " " + std::to_string(outcome.resultCount) +
                         (outcome.resultCount == 1 ? " Anagramma " : " Anagrammi ");
    }
}

}  // namespace

std::string anagramTestWord(std::string_view testText) {
    const size_t first = testText.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const size_t last = testText.find_last_not_of(' ');
    return upperCp1252(testText.substr(first, last - first + 1));
}

AnagramOutcome anagrammi(const AnagramIndex& base, std::string_view testText, Progress& progress) {
    AnagramOutcome outcome;
    const std::string word = anagramTestWord(testText);
    if (!word.empty()) {
        LetterNeed need(word);
        const std::string_view text = base.text();
        for (const AnagramIndex::Line& line : base.linesOfLength(word.size())) {
            if (progress.tick()) {
                outcome.interrupted = true;
                break;
            }
            if ((need.letters() & ~line.letters) != 0) continue;
            std::string found = lineAnagram(text.substr(line.offset, word.size()), word, need);
            if (!found.empty()) outcome.lines.push_back(std::move(found));
        }
    }
    finish(outcome);
    return outcome;
}

}  // namespace quirvo
