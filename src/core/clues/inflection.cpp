#include "core/clues/inflection.h"

namespace quirvo {

namespace {

std::string stemOf(std::string_view lemma) { return std::string(lemma.substr(0, lemma.size() - 1)); }

// C and G keep their hard sound before E and I with an H: BUCHE, LAGHI.
bool hardEnding(std::string_view lemma) {
    return lemma.ends_with("CA") || lemma.ends_with("GA") || lemma.ends_with("CO") || lemma.ends_with("GO");
}

std::vector<std::string> fromO(std::string_view lemma, NounInflection inflection) {
    const std::string stem = stemOf(lemma);
    switch (inflection) {
        case NounInflection::Feminine: return {stem + "A"};
        case NounInflection::Plural:
            if (lemma.ends_with("IO")) return {stem, stem + "I"};
            if (hardEnding(lemma)) return {stem + "HI", stem + "I"};
            return {stem + "I"};
        case NounInflection::FemininePlural: return {hardEnding(lemma) ? stem + "HE" : stem + "E"};
        default: return {};
    }
}

std::vector<std::string> fromA(std::string_view lemma, NounInflection inflection) {
    const std::string stem = stemOf(lemma);
    if (inflection == NounInflection::Feminine) return {};
    if (hardEnding(lemma)) return {stem + "HE", stem + "HI"};
    if (lemma.ends_with("CIA") || lemma.ends_with("GIA")) return {stem.substr(0, stem.size() - 1) + "E", stem + "E"};
    return {stem + "E", stem + "I"};
}

// The -tore nouns have their feminine in -trice (PESCATORE, PESCATRICE).
std::vector<std::string> fromE(std::string_view lemma, NounInflection inflection) {
    const std::string stem = stemOf(lemma);
    const bool agent = lemma.ends_with("TORE");
    const std::string feminine = agent ? std::string(lemma.substr(0, lemma.size() - 3)) + "RIC" : "";
    switch (inflection) {
        case NounInflection::Feminine: return agent ? std::vector<std::string>{feminine + "E"} : std::vector<std::string>{};
        case NounInflection::FemininePlural:
            return agent ? std::vector<std::string>{feminine + "I"} : std::vector<std::string>{stem + "I"};
        default: return {stem + "I"};
    }
}

}  // namespace

NounInflection nounInflection(std::string_view word, std::string_view lemma) {
    if (word == lemma) return NounInflection::Lemma;
    if (word.size() < 2 || lemma.size() < 2 || word.substr(0, 2) != lemma.substr(0, 2)) return NounInflection::Unknown;
    const char w = word.back(), l = lemma.back();
    if (l == 'O') {
        if (w == 'A') return NounInflection::Feminine;
        if (w == 'I') return NounInflection::Plural;
        if (w == 'E') return NounInflection::FemininePlural;
    }
    if (l == 'A' && (w == 'E' || w == 'I')) return NounInflection::Plural;
    if (l == 'E') {
        if (word.ends_with("ESSA") || (lemma.ends_with("TORE") && word.ends_with("TRICE"))) return NounInflection::Feminine;
        if (word.ends_with("ESSE") || (lemma.ends_with("TORE") && word.ends_with("TRICI")))
            return NounInflection::FemininePlural;
        if (w == 'I') return NounInflection::Plural;
    }
    return NounInflection::Unknown;
}

std::vector<std::string> inflectedCandidates(std::string_view lemma, NounInflection inflection) {
    if (lemma.size() < 2 || inflection == NounInflection::Unknown) return {};
    if (inflection == NounInflection::Lemma) return {std::string(lemma)};
    std::vector<std::string> out;
    switch (lemma.back()) {
        case 'O': out = fromO(lemma, inflection); break;
        case 'A': out = fromA(lemma, inflection); break;
        case 'E': out = fromE(lemma, inflection); break;
        default: break;
    }
    // The lemma itself where the form does not change: words ending in a
    // consonant, feminines in -a and -e (verde). Words ending in a stressed
    // vowel (città) do not change either, but folded they do not show it.
    const bool consonant = std::string_view("AEIOU").find(lemma.back()) == std::string_view::npos;
    const bool sameFeminine = inflection == NounInflection::Feminine && lemma.back() != 'O' && !lemma.ends_with("TORE");
    if (consonant || sameFeminine) out.emplace_back(lemma);
    return out;
}

std::vector<std::string> lemmaCandidates(std::string_view word) {
    if (word.size() < 3) return {};
    const std::string stem = stemOf(word);
    std::vector<std::string> out;
    switch (word.back()) {
        case 'I':
            if (word.ends_with("HI")) out.push_back(stem.substr(0, stem.size() - 1) + "O");
            out.insert(out.end(), {stem + "O", stem + "E", stem + "A"});
            break;
        case 'E':
            if (word.ends_with("HE")) out.push_back(stem.substr(0, stem.size() - 1) + "A");
            if (word.ends_with("CE") || word.ends_with("GE")) out.push_back(stem + "IA");
            if (word.ends_with("TRICE")) out.push_back(std::string(word.substr(0, word.size() - 5)) + "TORE");
            out.push_back(stem + "A");
            break;
        case 'A': out.push_back(stem + "O"); break;
        default: break;
    }
    // Only candidates of which the word really is a form.
    std::erase_if(out, [&](const std::string& lemma) {
        const NounInflection i = nounInflection(word, lemma);
        return i == NounInflection::Unknown || i == NounInflection::Lemma;
    });
    return out;
}

std::string adjectiveBase(std::string_view word) {
    for (std::string_view suffix : {"ISSIM", "IC", "ICH", "OS", "IV"}) {
        if (word.size() < suffix.size() + 3) continue;
        const std::string_view stem = word.substr(0, word.size() - 1);
        if (!stem.ends_with(suffix) || (word.back() != 'A' && word.back() != 'E' && word.back() != 'I')) continue;
        // ICHE and ICHI go back to ICO.
        const std::string base(suffix == "ICH" ? stem.substr(0, stem.size() - 1) : stem);
        return base + "O";
    }
    return {};
}

bool looksInfinitive(std::string_view lemma) {
    return lemma.size() > 3 && (lemma.ends_with("ARE") || lemma.ends_with("ERE") || lemma.ends_with("IRE") ||
                                lemma.ends_with("RRE"));
}

}  // namespace quirvo
