#include "core/facts/orphan_forms.h"

#include <array>
#include <optional>
#include <string>

#include "core/facts/clitics.h"

namespace quirvo {

namespace {

constexpr KindSet VERBAL = kindBit(WordKind::Infinitive) | kindBit(WordKind::PastParticiple) |
                           kindBit(WordKind::PresentParticiple) | kindBit(WordKind::Gerund) |
                           kindBit(WordKind::FiniteVerb) | kindBit(WordKind::VerbWithPronouns);

// A truncation is taken for one when the whole word is this many times
// more frequent: AMOR for AMORE, but not SPIN for SPINA.
constexpr uint32_t TRUNCATION_RANK_FACTOR = 4;

struct Ending {
    std::string_view tail;
    WordKind kind;
};

// Longest first, so that -REBBERO is tried before -RO.
constexpr std::array<Ending, 47> ENDINGS{{
    {"REBBERO", WordKind::FiniteVerb}, {"ISCONO", WordKind::FiniteVerb}, {"ISCANO", WordKind::FiniteVerb},
    {"REBBE", WordKind::FiniteVerb},   {"REMMO", WordKind::FiniteVerb},  {"RESTE", WordKind::FiniteVerb},
    {"RESTI", WordKind::FiniteVerb},   {"RANNO", WordKind::FiniteVerb},  {"SSERO", WordKind::FiniteVerb},
    {"ANTE", WordKind::PresentParticiple}, {"ANTI", WordKind::PresentParticiple},
    {"ENTE", WordKind::PresentParticiple}, {"ENTI", WordKind::PresentParticiple},
    {"ANDO", WordKind::Gerund},        {"ENDO", WordKind::Gerund},       {"RONO", WordKind::FiniteVerb},
    {"REMO", WordKind::FiniteVerb},    {"RETE", WordKind::FiniteVerb},   {"VAMO", WordKind::FiniteVerb},
    {"VATE", WordKind::FiniteVerb},    {"VANO", WordKind::FiniteVerb},   {"ISCE", WordKind::FiniteVerb},
    {"ISCI", WordKind::FiniteVerb},    {"ISCO", WordKind::FiniteVerb},   {"ISCA", WordKind::FiniteVerb},
    {"IAMO", WordKind::FiniteVerb},    {"IATE", WordKind::FiniteVerb},
    {"ATO", WordKind::PastParticiple}, {"ATA", WordKind::PastParticiple}, {"ATI", WordKind::PastParticiple},
    {"UTO", WordKind::PastParticiple}, {"UTA", WordKind::PastParticiple}, {"UTI", WordKind::PastParticiple},
    {"ITO", WordKind::PastParticiple}, {"ITA", WordKind::PastParticiple}, {"ITI", WordKind::PastParticiple},
    {"REI", WordKind::FiniteVerb},     {"RAI", WordKind::FiniteVerb},    {"SSI", WordKind::FiniteVerb},
    {"SSE", WordKind::FiniteVerb},     {"STE", WordKind::FiniteVerb},    {"STI", WordKind::FiniteVerb},
    {"ONO", WordKind::FiniteVerb},     {"ANO", WordKind::FiniteVerb},    {"VO", WordKind::FiniteVerb},
    {"VI", WordKind::FiniteVerb},      {"VA", WordKind::FiniteVerb},
}};

class OrphanReader {
public:
    explicit OrphanReader(FactSheet& sheet) : sheet_(sheet) {}

    void read(uint32_t at) {
        const std::string word(sheet_.word(at));
        if (!truncation(at, word) && !verbEnding(word)) withPronouns(word);
    }

private:
    KindSet kindsOf(const std::string& word) const {
        const uint32_t i = sheet_.at(word);
        return i == FactSheet::NONE ? 0 : sheet_.kinds(i);
    }

    // The infinitive a root leads to: AMA(RE), UD(IRE), IMBIRBON(IRE), and
    // SLENTE(REMMO) to SLENTARE, as -ARE verbs turn A into E before R.
    std::optional<std::string> knownInfinitive(const std::string& root) const {
        for (const char* ending : {"RE", "ARE", "ERE", "IRE"})
            if (hasKind(kindsOf(root + ending), WordKind::Infinitive)) return root + ending;
        if (root.ends_with('E') && hasKind(kindsOf(root.substr(0, root.size() - 1) + "ARE"), WordKind::Infinitive))
            return root.substr(0, root.size() - 1) + "ARE";
        return std::nullopt;
    }

    bool verbEnding(const std::string& word) {
        for (const Ending& e : ENDINGS)
            if (word.size() > e.tail.size() + 1 && word.ends_with(e.tail))
                if (const auto infinitive = knownInfinitive(word.substr(0, word.size() - e.tail.size()))) {
                    sheet_.addKind(word, e.kind, *infinitive, FactSource::Grammar);
                    return true;
                }
        return false;
    }

    bool truncation(uint32_t at, const std::string& word) {
        if (std::string_view("LNR").find(word.back()) == std::string_view::npos) return false;
        for (const char vowel : std::string_view("EOAI")) {
            const std::string whole = word + vowel;
            const uint32_t w = sheet_.at(whole);
            if (w == FactSheet::NONE || !sheet_.kinds(w)) continue;
            const uint32_t own = sheet_.rank(at), full = sheet_.rank(w);
            if (!full || (own && full * TRUNCATION_RANK_FACTOR >= own)) continue;
            const std::string_view lemma = sheet_.lemma(w);
            sheet_.addKind(word, WordKind::Truncated, lemma.empty() ? std::string_view(whole) : lemma,
                           FactSource::Grammar);
            return true;
        }
        return false;
    }

    std::string lemmaOf(const std::string& word) const { return std::string(sheet_.lemma(sheet_.at(word))); }

    // The lemma of the verb the pronouns follow, `base` being the word
    // less them; nothing when it is no verb.
    std::optional<std::string> verbBefore(const std::string& word, const std::string& base) const {
        if (hasKind(kindsOf(base + "E"), WordKind::Infinitive)) return base + "E";
        if (hasKind(kindsOf(base + "RE"), WordKind::Infinitive)) return base + "RE";
        if (kindsOf(base) & VERBAL) return lemmaOf(base);
        // The old notices' AFFITTANSI and VEDANSI: "si affittano", "si vedano".
        if (word.ends_with("NSI") && hasKind(kindsOf(base + "O"), WordKind::FiniteVerb)) return lemmaOf(base + "O");
        // A one-syllable imperative doubles the pronoun's consonant: DAMMI,
        // VATTENE, STATTENE.
        const std::string shortImperative = base.substr(0, base.size() - 1);
        if ((base.size() == 3 || base.size() == 4) && base.back() == word[base.size()] &&
            hasKind(kindsOf(shortImperative), WordKind::FiniteVerb))
            return lemmaOf(shortImperative);
        return std::nullopt;
    }

    bool withPronouns(const std::string& word) {
        for (const size_t n : cliticEndings(word)) {
            const std::optional<std::string> lemma = verbBefore(word, word.substr(0, word.size() - n));
            if (!lemma) continue;
            sheet_.addKind(word, WordKind::VerbWithPronouns, *lemma, FactSource::Grammar);
            return true;
        }
        return false;
    }

    FactSheet& sheet_;
};

}  // namespace

void addOrphanForms(FactSheet& sheet) {
    OrphanReader reader(sheet);
    for (uint32_t i = 0; i < sheet.size(); ++i)
        if (!sheet.kinds(i) && (sheet.hasHint(i, WordHint::PlainWord) || sheet.hasHint(i, WordHint::ElidedOnly)))
            reader.read(i);
}

}  // namespace quirvo
