#include "core/clues/letter_play_clues.h"

#include <algorithm>
#include <array>

#include "core/clues/italian_grammar.h"
#include "core/common/text_encoding.h"

namespace quirvo {

namespace {

constexpr int PER_KIND = 3;
// What a further source of the same kind loses against the first.
constexpr int LATER_SOURCE = 15;

// The two ways of phrasing each play; the sources of a kind take them in turn.
struct Wording {
    std::string_view first, second;
};
constexpr std::array<Wording, PLAYS> WORDINGS{{
    {"L'inizio ", "Il principio "},
    {"La fine ", "La coda "},
    {"Il cuore ", "Il centro "},
    {"Gli estremi ", "I confini "},
    {"Metà ", "La prima metà "},
    {"Metà ", "La seconda metà "},
    {"Le consonanti ", "Le consonanti "},
    {"Le vocali ", "Le vocali "},
    {"Le iniziali ", "Le iniziali "},
    {"Le dispari ", "Le lettere dispari "},
    {"Le pari ", "Le lettere pari "},
}};

// How far behind the plainest plays (the halves) each play comes.
constexpr std::array<int, PLAYS> PLAY_PENALTY{1, 1, 4, 4, 0, 0, 10, 10, 6, 12, 12};

bool endsInVowel(std::string_view written) {
    const std::u32string w = decodeUtf8(lowerUtf8(written));
    return !w.empty() && std::u32string_view(U"aeiouàèéìíòóùú").find(w.back()) != std::u32string_view::npos;
}

NounForm genderOf(std::string_view written, const Thesaurus* thesaurus) {
    if (thesaurus)
        for (const Meaning& m : thesaurus->meanings(written))
            if (const std::optional<NounForm> form = nounFormOfTag(m.tag)) return *form;
    return NounForm{};
}

// "di casa", "di Roma", "della Spezia", and a word that ends in a
// consonant with its article: "del boom".
std::string ofSource(const PlaySource& s, const Thesaurus* thesaurus) {
    if (s.name) return s.of;
    if (endsInVowel(s.written)) return "di " + s.written;
    return ofThe(s.written, genderOf(s.written, thesaurus)) + s.written;
}

struct Ranked {
    Suggestion suggestion;
    int rank = 0;
};

void addKind(SuggestionKind kind, const LetterPlayIndex& index, std::string_view entry,
             const ClueExclusions& excluded, const Thesaurus* thesaurus, std::vector<Ranked>& out) {
    struct Candidate {
        Play play;
        uint32_t id;
    };
    std::vector<Candidate> candidates;
    for (int p = 0; p < PLAYS; ++p)
        if (kindOfPlay(Play(p)) == kind)
            for (uint32_t id : index.find(Play(p), entry)) {
                const PlaySource& s = index.source(id);
                if (!excluded.word(s.folded) && !excluded.lemma(s.lemma)) candidates.push_back({Play(p), id});
            }
    std::stable_sort(candidates.begin(), candidates.end(), [&](const Candidate& a, const Candidate& b) {
        return index.source(a.id).score > index.source(b.id).score;
    });
    std::vector<uint32_t> used;
    for (const Candidate& c : candidates) {
        if (int(used.size()) == PER_KIND) break;
        if (std::find(used.begin(), used.end(), c.id) != used.end()) continue;
        const PlaySource& s = index.source(c.id);
        const Wording& wording = WORDINGS[size_t(c.play)];
        std::string text = std::string(used.size() % 2 ? wording.second : wording.first) + ofSource(s, thesaurus);
        const int rank = s.score - PLAY_PENALTY[size_t(c.play)] - LATER_SOURCE * int(used.size());
        out.push_back({{kind, std::move(text), s.name ? s.written : s.folded}, rank});
        used.push_back(c.id);
    }
}

}  // namespace

std::vector<Suggestion> letterPlayClues(const LetterPlayIndex& index, std::string_view entry,
                                        const ClueExclusions& excluded, const Thesaurus* thesaurus) {
    if (entry.size() < 2 || entry.size() > 3) return {};
    std::vector<Ranked> ranked;
    for (int k = 0; k < SUGGESTION_KINDS; ++k)
        if (isLetterPlay(SuggestionKind(k))) addKind(SuggestionKind(k), index, entry, excluded, thesaurus, ranked);
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) { return a.rank > b.rank; });
    std::vector<Suggestion> out;
    out.reserve(ranked.size());
    for (Ranked& r : ranked) out.push_back(std::move(r.suggestion));
    return out;
}

}  // namespace quirvo
