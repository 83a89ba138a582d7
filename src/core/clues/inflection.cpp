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
        if (word.ends_with("ESSA")) return NounInflection::Feminine;
        if (word.ends_with("ESSE")) return NounInflection::FemininePlural;
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
        case 'E':
            if (inflection != NounInflection::Feminine) out = {stemOf(lemma) + "I"};
            break;
        default: break;
    }
    // Last, the lemma itself: plurals that do not change (le città, le
    // auto) and words ending in a consonant.
    if (inflection != NounInflection::Feminine || lemma.back() != 'O') out.emplace_back(lemma);
    return out;
}

bool looksInfinitive(std::string_view lemma) {
    return lemma.size() > 3 && (lemma.ends_with("ARE") || lemma.ends_with("ERE") || lemma.ends_with("IRE") ||
                                lemma.ends_with("RRE"));
}

}  // namespace quirvo
