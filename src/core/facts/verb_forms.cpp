#include "core/facts/verb_forms.h"

#include <algorithm>
#include <array>

#include "core/facts/clitics.h"

namespace quirvo {

namespace {

struct Ending {
    std::string_view tail;
    KindSet kinds;
};

constexpr KindSet PAST = kindBit(WordKind::PastParticiple);
constexpr KindSet PRESENT = kindBit(WordKind::PresentParticiple);
constexpr KindSet GERUND = kindBit(WordKind::Gerund);
constexpr KindSet FINITE = kindBit(WordKind::FiniteVerb);

// The second person plural of -ARE and -IRE verbs is also a participle.
constexpr std::array<Ending, 7> ARE{{{"ATO", PAST}, {"ATA", PAST}, {"ATI", PAST}, {"ATE", PAST | FINITE},
                                     {"ANTE", PRESENT}, {"ANTI", PRESENT}, {"ANDO", GERUND}}};
constexpr std::array<Ending, 7> ERE{{{"UTO", PAST}, {"UTA", PAST}, {"UTI", PAST}, {"UTE", PAST},
                                     {"ENTE", PRESENT}, {"ENTI", PRESENT}, {"ENDO", GERUND}}};
constexpr std::array<Ending, 9> IRE{{{"ITO", PAST}, {"ITA", PAST}, {"ITI", PAST}, {"ITE", PAST | FINITE},
                                     {"ENTE", PRESENT}, {"ENTI", PRESENT}, {"IENTE", PRESENT}, {"IENTI", PRESENT},
                                     {"ENDO", GERUND}}};

template <size_t N>
KindSet byEnding(const std::array<Ending, N>& endings, std::string_view tail) {
    for (const Ending& e : endings)
        if (e.tail == tail) return e.kinds;
    return 0;
}

// PORRE, TRADURRE, TRARRE change their root: only the endings tell.
KindSet rreShape(std::string_view form) {
    if (form.ends_with("ENDO")) return GERUND;
    if (form.ends_with("ENTE") || form.ends_with("ENTI")) return PRESENT;
    if (form.size() >= 4) {
        const std::string_view tail = form.substr(form.size() - 4);
        if ((tail[0] == 'O' || tail[0] == 'A') && (tail.substr(1, 2) == "ST" || tail.substr(1, 2) == "TT") &&
            std::string_view("OAIE").find(tail[3]) != std::string_view::npos)
            return PAST;
    }
    return 0;
}

// One vowel group: DA, DI, FA, STA, VA, whose pronouns double (DIMMI).
bool monosyllable(std::string_view word) {
    int groups = 0;
    bool inVowel = false;
    for (const char c : word) {
        const bool vowel = std::string_view("AEIOU").find(c) != std::string_view::npos;
        if (vowel && !inVowel) ++groups;
        inVowel = vowel;
    }
    return groups == 1;
}

// The infinitive less its ending as pronouns take it: AMAR(TI), POR(LO).
std::string_view pronounInfinitive(std::string_view infinitive) {
    return infinitive.substr(0, infinitive.size() - (infinitive.ends_with("RRE") ? 2 : 1));
}

bool pronounBase(const VerbParadigm& verb, std::string_view base, std::string_view cluster) {
    if (base == pronounInfinitive(verb.infinitive())) return true;
    const bool known = verb.has(base);
    if (known && (verbShapeKinds(verb.infinitive(), base) & (PAST | PRESENT | GERUND))) return true;
    // DIMMI, FALLO: after a monosyllable the pronoun doubles, but GLI does
    // not (DIGLI); DICI is no DI plus CI, DISSI no DI plus SI.
    const bool glide = cluster.starts_with("GL");
    if (known && (glide || !monosyllable(base))) return !(cluster == "VI" && verb.has(std::string(base) + "VO"));
    return base.size() > 1 && base.back() == cluster.front() && !glide && !cluster.ends_with("SI") &&
           verb.has(base.substr(0, base.size() - 1)) && monosyllable(base.substr(0, base.size() - 1));
}

}  // namespace

VerbParadigm::VerbParadigm(std::string infinitive, std::vector<std::string> forms)
    : infinitive_(std::move(infinitive)), forms_(std::move(forms)) {
    std::sort(forms_.begin(), forms_.end());
    forms_.erase(std::unique(forms_.begin(), forms_.end()), forms_.end());
}

bool VerbParadigm::has(std::string_view form) const {
    return std::binary_search(forms_.begin(), forms_.end(), form, std::less<>());
}

KindSet verbShapeKinds(std::string_view infinitive, std::string_view form) {
    if (infinitive.size() < 4) return 0;
    if (infinitive.ends_with("RRE")) return rreShape(form);
    const std::string_view root = infinitive.substr(0, infinitive.size() - 3);
    if (!form.starts_with(root)) return 0;
    const std::string_view tail = form.substr(root.size());
    if (infinitive.ends_with("ARE")) return byEnding(ARE, tail);
    if (infinitive.ends_with("ERE")) return byEnding(ERE, tail);
    if (infinitive.ends_with("IRE")) return byEnding(IRE, tail);
    return 0;
}

KindSet verbFormKinds(const VerbParadigm& verb, std::string_view form) {
    const std::string_view infinitive = verb.infinitive();
    if (form == infinitive) return kindBit(WordKind::Infinitive);
    if (form == pronounInfinitive(infinitive)) return kindBit(WordKind::Truncated);
    if (const KindSet shape = verbShapeKinds(infinitive, form)) return shape;
    for (const size_t n : cliticEndings(form))
        if (pronounBase(verb, form.substr(0, form.size() - n), form.substr(form.size() - n)))
            return kindBit(WordKind::VerbWithPronouns);
    return FINITE;
}

}  // namespace quirvo
