#include "core/clues/word_formation.h"

#include <array>
#include <initializer_list>
#include <optional>

#include "core/clues/italian_grammar.h"

namespace quirvo {

namespace {

constexpr size_t MIN_STEM = 3;

struct Ending {
    std::string_view suffix;
    std::array<std::string_view, 3> bases;  // endings the stem takes back; "" ends the list
    std::string_view lead;
    bool plural;
};

// The diminutive endings, the longer first (POSTICINO is posto + icino).
// Only the base's own gender and number count: -ino after -e makes other
// words too (CANINO, FIORINO).
constexpr std::array<Ending, 10> DIMINUTIVES{{
    {"ICINO", {"O", "E", ""}, "Piccolo ", false},
    {"ICINA", {"A", "E", ""}, "Piccola ", false},
    {"ETTO", {"O", "IO", "E"}, "Piccolo ", false},
    {"ETTA", {"A", "IA", "E"}, "Piccola ", false},
    {"ETTI", {"I", "", ""}, "Piccoli ", true},
    {"ETTE", {"E", "", ""}, "Piccole ", true},
    {"INO", {"O", "IO", ""}, "Piccolo ", false},
    {"INA", {"A", "IA", ""}, "Piccola ", false},
    {"INI", {"I", "", ""}, "Piccoli ", true},
    {"INE", {"E", "", ""}, "Piccole ", true},
}};

class Formation {
public:
    Formation(std::string_view entry, const WordFacts& facts, const WrittenForms& written)
        : entry_(entry), facts_(facts), written_(written), fact_(facts.find(entry)) {}

    // The first candidate the facts know as `kind`, no rarer than the entry
    // and, where it matters, a plural form (CASE) or a lemma (CASA).
    std::string base(std::initializer_list<std::string> candidates, WordKind kind,
                     std::optional<bool> plural = std::nullopt) const {
        for (const std::string& c : candidates) {
            if (c.size() < MIN_STEM || c == entry_) continue;
            const FactRecord fact = facts_.find(c);
            if (!hasKind(fact.kinds, kind) || fact.familiarity < fact_.familiarity) continue;
            const std::string_view lemma = facts_.lemma(fact);
            if (plural && *plural == (lemma.empty() || lemma == c)) continue;
            return c;
        }
        return {};
    }
    std::string stem(size_t suffix) const { return std::string(entry_.substr(0, entry_.size() - suffix)); }
    bool is(WordKind kind) const { return hasKind(fact_.kinds, kind); }
    void add(std::string_view lead, const std::string& base, std::string_view tail = "") {
        if (base.empty()) return;
        const std::string text = std::string(lead) + written_.word(base) + std::string(tail);
        out_.push_back({SuggestionKind::Formation, capitalised(text), {}});
    }
    std::string_view entry() const { return entry_; }
    std::string article(const std::string& base, NounForm form) const {
        return definiteArticle(written_.word(base), form);
    }
    std::vector<Suggestion> take() { return std::move(out_); }

private:
    std::string_view entry_;
    const WordFacts& facts_;
    const WrittenForms& written_;
    FactRecord fact_;
    std::vector<Suggestion> out_;
};

void diminutive(Formation& f) {
    for (const Ending& e : DIMINUTIVES) {
        if (!f.entry().ends_with(e.suffix)) continue;
        const std::string stem = f.stem(e.suffix.size());
        if (stem.size() < MIN_STEM) return;  // TEINA is no small tea
        std::string found;
        for (std::string_view ending : e.bases)
            if (found.empty() && !ending.empty())
                found = f.base({stem + std::string(ending)}, WordKind::Noun, e.plural);
        f.add(e.lead, found);
        return;
    }
}

// NOTABILITA is the being notabile; a participle in -ita (GRADITA) is not.
void quality(Formation& f) {
    if (!f.entry().ends_with("ITA") || f.is(WordKind::PastParticiple)) return;
    const std::string stem = f.stem(3);
    f.add("L'essere ", f.base({stem + "E", stem + "O"}, WordKind::Noun, false));
}

// LENTAMENTE, FACILMENTE, DOLCEMENTE.
void manner(Formation& f) {
    if (!f.entry().ends_with("MENTE")) return;
    const std::string stem = f.stem(5);
    if (stem.size() < MIN_STEM) return;
    const char last = stem.back();
    std::string base;
    if (last == 'A') base = f.base({stem.substr(0, stem.size() - 1) + "O"}, WordKind::Noun, false);
    else if (last == 'E') base = f.base({stem}, WordKind::Noun, false);
    else if (last == 'L' || last == 'R') base = f.base({stem + "E"}, WordKind::Noun, false);
    f.add("In modo ", base);
}

// BELLISSIMA: bella; LARGHISSIMO: largo; CELEBERRIMA: celebre.
void superlative(Formation& f) {
    const std::string_view entry = f.entry();
    if (entry.size() < 8) return;
    const std::string ending(1, entry.back());
    const std::string_view suffix = entry.substr(entry.size() - 6, 5);
    std::string stem = f.stem(6);
    std::string base;
    if (suffix == "ISSIM") {
        if (stem.ends_with("CH") || stem.ends_with("GH")) stem.pop_back();
        const std::string invariable = ending == "O" || ending == "A" ? "E" : "I";
        base = f.base({stem + ending, stem + invariable}, WordKind::Noun);
    } else if (suffix == "ERRIM") {
        base = f.base({stem + "RE", stem + "R" + ending, stem + "ER" + ending}, WordKind::Noun);
    }
    f.add("Molto ", base);
}

// GEOLOGO studies geologia.
void expert(Formation& f) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> ENDINGS{
        {{"LOGO", "Studioso di "}, {"LOGA", "Studiosa di "}, {"LOGI", "Studiosi di "}, {"LOGHE", "Studiose di "}}};
    for (const auto& [suffix, lead] : ENDINGS)
        if (f.entry().ends_with(suffix)) f.add(lead, f.base({f.stem(suffix.size()) + "LOGIA"}, WordKind::Noun));
}

// LAVATOIO serves to lavare, STENDITOIO to stendere.
void tool(Formation& f) {
    const std::string_view entry = f.entry();
    if (!entry.ends_with("TOIO") && !entry.ends_with("TOIA")) return;
    const std::string stem = f.stem(4);
    if (stem.size() < MIN_STEM) return;
    const std::string root = stem.substr(0, stem.size() - 1);
    f.add("Serve per ", f.base({stem + "RE", root + "ERE", root + "IRE"}, WordKind::Infinitive));
}

// ANNONARIO concerns the annona, SANITARIA the sanità.
void relation(Formation& f) {
    const std::string_view entry = f.entry();
    if (!entry.ends_with("ARIO") && !entry.ends_with("ARIA")) return;
    const std::string base = f.base({f.stem(4) + "A"}, WordKind::Noun, false);
    if (base.empty()) return;
    f.add("Che riguarda " + f.article(base, NounForm{true, false}), base);
}

// RIFARE: fare again; RINTERRARE: interrare, its i merged.
void again(Formation& f) {
    const std::string_view entry = f.entry();
    if (!entry.starts_with("RI") || !f.is(WordKind::Infinitive)) return;
    f.add("", f.base({std::string(entry.substr(2)), std::string(entry.substr(1))}, WordKind::Infinitive), " di nuovo");
}

}  // namespace

std::vector<Suggestion> formationClues(std::string_view entry, const WordFacts& facts, const WrittenForms& written) {
    Formation f(entry, facts, written);
    diminutive(f);
    quality(f);
    manner(f);
    superlative(f);
    expert(f);
    tool(f);
    relation(f);
    again(f);
    return f.take();
}

std::string participleVerb(std::string_view entry, KindSet kinds, const WordFacts& facts) {
    struct Verb {
        std::string_view ending, infinitive;
        WordKind kind;
    };
    static constexpr std::array<Verb, 7> VERBS{{
        {"AT", "ARE", WordKind::PastParticiple},    {"UT", "ERE", WordKind::PastParticiple},
        {"IT", "IRE", WordKind::PastParticiple},    {"ANT", "ARE", WordKind::PresentParticiple},
        {"ENT", "ERE", WordKind::PresentParticiple}, {"ENT", "IRE", WordKind::PresentParticiple},
        {"IENT", "IRE", WordKind::PresentParticiple},
    }};
    if (entry.size() < 5) return {};
    const std::string_view stem = entry.substr(0, entry.size() - 1);
    for (const Verb& v : VERBS) {
        if (!hasKind(kinds, v.kind) || !stem.ends_with(v.ending)) continue;
        const std::string verb = std::string(stem.substr(0, stem.size() - v.ending.size())) + std::string(v.infinitive);
        if (hasKind(facts.find(verb).kinds, WordKind::Infinitive)) return verb;
    }
    return {};
}

}  // namespace quirvo
