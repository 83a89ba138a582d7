#include "core/clues/world_clues.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/clues/inflection.h"
#include "core/clues/italian_grammar.h"
#include "core/common/text_encoding.h"

namespace quirvo {

namespace {

constexpr size_t CURRENCY_CLUES = 3, ENGLISH_CLUES = 2;

// A masculine singular adjective of Italian letters made feminine; none
// for a word no vowel ending bends (a name, a code).
std::string feminine(const std::string& word, bool plural) {
    if (word.empty() || std::any_of(word.begin(), word.end(), [](char c) { return c < 'a' || c > 'z'; }) ||
        std::string_view("oae").find(word.back()) == std::string_view::npos)
        return {};
    const std::vector<std::string> forms =
        inflectedCandidates(upperUtf8(word), plural ? NounInflection::FemininePlural : NounInflection::Feminine);
    return forms.empty() ? std::string() : lowerUtf8(forms.front());
}

bool ofPhrase(std::string_view phrase) {
    for (std::string_view start : {"di ", "del ", "dello ", "della ", "dell'", "dell’", "dei ", "degli ", "delle "})
        if (phrase.starts_with(start)) return true;
    return false;
}

std::string countrySubdivision(std::string_view country) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> NAMES{{
        {"US", "Stato degli USA"},
        {"AU", "Stato australiano"},
        {"CH", "Cantone svizzero"},
        {"DE", "Land tedesco"},
        {"CA", "Provincia canadese"},
    }};
    for (const auto& [code, name] : NAMES)
        if (code == country) return std::string(name);
    return {};
}

// "Un animale", "Uno sport": the nouns of the categories are masculine.
std::string aKindOf(const std::string& noun) {
    const bool uno = noun.size() > 1 && ((noun[0] == 's' && std::string_view("aeiou").find(noun[1]) ==
                                                               std::string_view::npos) ||
                                         noun[0] == 'z' || noun.starts_with("gn") || noun.starts_with("ps"));
    return std::string(uno ? "Uno " : "Un ") + noun;
}

std::string afterNoun(std::string_view name) {
    const size_t space = name.find(' ');
    return space == std::string_view::npos ? std::string() : std::string(name.substr(space + 1));
}

}  // namespace

std::string feminineAdjectives(std::string_view masculine, bool plural) {
    if (ofPhrase(masculine)) return std::string(masculine);
    std::string out;
    for (size_t from = 0; from <= masculine.size();) {
        const size_t end = std::min(masculine.find(' ', from), masculine.size());
        const std::string word = feminine(std::string(masculine.substr(from, end - from)), plural);
        if (word.empty()) return {};
        if (!out.empty()) out += ' ';
        out += word;
        from = end + 1;
    }
    return out;
}

std::vector<Suggestion> worldClues(const std::vector<FactNote>& notes) {
    std::vector<Suggestion> out;
    size_t currencies = 0;
    bool categorised = false;  // the narrowest kind of thing only
    const auto add = [&](std::string text) {
        if (!text.empty() && std::none_of(out.begin(), out.end(), [&](const Suggestion& s) { return s.text == text; }))
            out.push_back({SuggestionKind::Name, std::move(text), {}});
    };
    for (const FactNote& note : notes) {
        const bool plural = note.group == NoteGroup::CurrencyPlural;
        const std::string adjectives = feminineAdjectives(afterNoun(note.text), plural);
        switch (note.group) {
            case NoteGroup::Currency:
            case NoteGroup::CurrencyPlural:
            case NoteGroup::FormerCurrency:
                if (adjectives.empty() || currencies++ >= CURRENCY_CLUES) break;
                if (note.group == NoteGroup::FormerCurrency) add("Vecchia moneta " + adjectives);
                else add((plural ? "Monete " : "Moneta ") + adjectives);
                break;
            case NoteGroup::LanguageName: add("Lingua " + ofCountry(note.text)); break;
            case NoteGroup::Subdivision: add(countrySubdivision(note.text)); break;
            case NoteGroup::Category:
                if (!std::exchange(categorised, true)) add(aKindOf(note.text));
                break;
            default: break;
        }
    }
    return out;
}

std::vector<Suggestion> englishClues(const std::vector<FactNote>& notes) {
    std::vector<Suggestion> out;
    for (const FactNote& note : notes)
        if (note.group == NoteGroup::English && out.size() < ENGLISH_CLUES) {
            std::string text = capitalised(note.text) + ", in inglese";
            if (std::none_of(out.begin(), out.end(), [&](const Suggestion& s) { return s.text == text; }))
                out.push_back({SuggestionKind::Name, std::move(text), {}});
        }
    return out;
}

}  // namespace quirvo
