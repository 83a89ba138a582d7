#include "core/clues/thesaurus_clues.h"

#include <algorithm>

#include "core/clues/inflection.h"
#include "core/clues/italian_grammar.h"
#include "core/dictionary/vulgar_words.h"
#include "core/common/text_encoding.h"
#include "core/dictionary/word_folding.h"

namespace quirvo {

namespace {

constexpr size_t MOST = 6;

// The gloss some meanings carry after their part of speech:
// "(v. Vestire con cura)" gives "Vestire con cura".
std::string glossOf(std::string_view tag) {
    if (!tag.starts_with('(') || !tag.ends_with(')')) return {};
    const size_t space = tag.find(' ');
    if (space == std::string_view::npos) return {};
    const std::string_view gloss = tag.substr(space + 1, tag.size() - space - 2);
    return !gloss.empty() && gloss[0] >= 'A' && gloss[0] <= 'Z' ? std::string(gloss) : std::string();
}

bool weakTag(std::string_view tag) {
    return tag.starts_with("(prep") || tag.starts_with("(cong") || tag.starts_with("(pron") || tag.starts_with("(art");
}

// A word ending in a stressed vowel is the same in the plural: la città, le città.
bool stressedEnd(std::string_view written) {
    const std::u32string w = decodeUtf8(written);
    return !w.empty() && std::u32string_view(U"àèéìíòóùú").find(w.back()) != std::u32string_view::npos;
}

struct Context {
    std::string_view entry, lemma;
    const WrittenForms& written;
    const WordFacts* facts;
    const ClueExclusions& excluded;
    NounInflection inflection = NounInflection::Lemma;

    bool givesAway(std::string_view folded) const {
        return vulgarWord(folded) || folded == entry || excluded.word(folded) || shareRoot(folded, entry) ||
               (!lemma.empty() && shareRoot(folded, lemma));
    }

    // The synonym in the entry's form, or "" when it cannot be given.
    std::string inForm(const std::string& synonym) const {
        const std::optional<std::string> folded = foldWord(synonym);
        if (inflection == NounInflection::Lemma || (stressedEnd(synonym) && inflection == NounInflection::Plural))
            return folded && givesAway(*folded) ? "" : synonym;
        if (!folded || !facts) return {};
        // A form that ends as the entry does agrees with it: FALSI wants
        // IPOCRITI, not IPOCRITE.
        std::vector<std::string> candidates = inflectedCandidates(*folded, inflection);
        std::stable_partition(candidates.begin(), candidates.end(),
                              [&](const std::string& form) { return !form.empty() && form.back() == entry.back(); });
        for (const std::string& candidate : candidates) {
            if (facts->table().find(candidate) == WordTable::NOT_FOUND) continue;
            if (candidate != *folded && facts->lemma(facts->find(candidate)) != *folded) continue;
            return givesAway(candidate) ? "" : written.word(candidate);
        }
        return {};
    }
};

// The word's own meanings, or else those of the words that list it.
std::vector<Meaning> meaningsOf(const Thesaurus& thesaurus, std::string_view folded, const WrittenForms& written) {
    std::vector<Meaning> own = thesaurus.meanings(written.word(folded));
    return own.empty() ? thesaurus.listing(folded) : own;
}

void addOnce(std::vector<Suggestion>& list, std::string text) {
    if (list.size() >= MOST) return;
    text = capitalised(text);
    if (std::none_of(list.begin(), list.end(), [&](const Suggestion& s) { return s.text == text; }))
        list.push_back({SuggestionKind::Thesaurus, std::move(text), {}});
}

// The thesaurus lists a meaning's synonyms by the alphabet; the most
// familiar first reads best ("Bordo" before "Banda"). A phrase keeps its place
// after the words.
void byFamiliarity(std::vector<std::string>& synonyms, const WordFacts* facts) {
    if (!facts) return;
    auto familiarity = [facts](const std::string& text) {
        const std::optional<std::string> folded = foldWord(text);
        return folded ? int(facts->find(*folded).familiarity) : -1;
    };
    std::stable_sort(synonyms.begin(), synonyms.end(),
                     [&](const std::string& a, const std::string& b) { return familiarity(a) > familiarity(b); });
}

}  // namespace

ThesaurusClues thesaurusClues(std::string_view entry, std::string_view lemma, const Thesaurus& thesaurus,
                              const WrittenForms& written, const WordFacts* facts, const ClueExclusions& excluded) {
    Context c{entry, lemma, written, facts, excluded};
    std::vector<Meaning> meanings = meaningsOf(thesaurus, entry, written);
    if (meanings.empty() && !lemma.empty() && lemma != entry) {
        c.inflection = nounInflection(entry, lemma);
        if (c.inflection == NounInflection::Unknown) return {};
        meanings = meaningsOf(thesaurus, lemma, written);
    }
    // A noun's own senses before those it has as an adjective: FONDO is
    // "Basamento" before "Incassato".
    if (facts && hasKind(facts->find(entry).kinds, WordKind::Noun))
        std::stable_partition(meanings.begin(), meanings.end(),
                              [](const Meaning& m) { return nounFormOfTag(m.tag).has_value(); });
    std::vector<std::vector<std::string>> texts(meanings.size());
    for (size_t m = 0; m < meanings.size(); ++m) {
        if (c.inflection == NounInflection::Lemma)
            if (std::string gloss = glossOf(meanings[m].tag); !gloss.empty()) texts[m].push_back(std::move(gloss));
        std::vector<std::string> synonyms;
        for (const std::string& synonym : meanings[m].synonyms)
            if (std::string text = c.inForm(synonym); !text.empty()) synonyms.push_back(std::move(text));
        byFamiliarity(synonyms, facts);
        texts[m].insert(texts[m].end(), synonyms.begin(), synonyms.end());
    }
    // A meaning at a time, so the first suggestions cover different senses.
    ThesaurusClues out;
    for (size_t round = 0, longest = 0; round == 0 || round < longest; ++round)
        for (size_t m = 0; m < texts.size(); ++m) {
            longest = std::max(longest, texts[m].size());
            if (round < texts[m].size()) addOnce(weakTag(meanings[m].tag) ? out.weak : out.strong, texts[m][round]);
        }
    return out;
}

}  // namespace quirvo
