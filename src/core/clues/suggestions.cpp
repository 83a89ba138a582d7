#include "core/clues/suggestions.h"

#include <algorithm>

#include "core/grid/cell_codes.h"

#include "core/clues/clue_exclusions.h"
#include "core/clues/grammar_clues.h"
#include "core/clues/inflection.h"
#include "core/clues/letter_play_clues.h"
#include "core/clues/meaning_clues.h"
#include "core/clues/thesaurus_clues.h"
#include "core/clues/word_formation.h"
#include "core/clues/world_clues.h"

namespace quirvo {

namespace {

constexpr size_t ARCHIVED = 5;

// Kinds whose words are clued by what they mean rather than by their letters.
bool meaningful(WordKind kind) {
    switch (kind) {
        case WordKind::Noun:
        case WordKind::Infinitive:
        case WordKind::PastParticiple:
        case WordKind::PresentParticiple:
        case WordKind::OtherWord: return true;
        default: return false;
    }
}

// The sources write some apostrophes curly (Costa d’Avorio); a definition
// keeps to the straight one the setter types.
void straighten(std::string& text) {
    static constexpr std::string_view CURLY = "\u2019";
    for (size_t at = text.find(CURLY); at != std::string::npos; at = text.find(CURLY, at + 1))
        text.replace(at, CURLY.size(), 1, '\'');
}

void append(std::vector<Suggestion>& out, std::vector<Suggestion> more) {
    for (Suggestion& s : more) {
        straighten(s.text);
        if (std::none_of(out.begin(), out.end(), [&](const Suggestion& o) { return o.text == s.text; }))
            out.push_back(std::move(s));
    }
}

std::vector<Suggestion> archived(DefinitionArchive* archive, const std::string& word) {
    std::vector<Suggestion> out;
    if (!archive) return out;
    for (ArchivedDefinition& d : archive->ofWord(word, ARCHIVED))
        out.push_back({SuggestionKind::Archive, std::move(d.text), {}});
    return out;
}

// Whether a lemma guessed from an ending can be the word's: a noun, an
// adjective or a verb, or a word of grammar for a word of grammar (ESSA
// under ESSO), never a word of grammar for a noun (TRE is no plural of tra).
bool inflects(std::string_view lemma, KindSet wordKinds, const WordFacts* facts) {
    const KindSet kinds = facts ? facts->find(lemma).kinds : KindSet(0);
    return kinds == 0 || hasKind(kinds, WordKind::Noun) || hasKind(kinds, WordKind::Infinitive) ||
           (hasKind(kinds, WordKind::FunctionWord) && hasKind(wordKinds, WordKind::FunctionWord));
}

// The facts' lemma; where they give none but the word itself, the verb of
// a participle (ARENATO: arenare), one guessed from its ending that the
// thesaurus knows (TRACCE: traccia), or the masculine of an adjective's
// ending the facts know (ACINETICA: acinetico).
std::string lemmaOf(const std::string& word, KindSet kinds, std::string_view known, const ClueSources& sources,
                    const WrittenForms& written) {
    if (!known.empty() && known != word) return std::string(known);
    if (sources.facts)
        if (std::string verb = participleVerb(word, kinds, *sources.facts); !verb.empty()) return verb;
    const Thesaurus* thesaurus = sources.thesaurus;
    if (thesaurus && thesaurus->meanings(written.word(word)).empty())
        for (const std::string& lemma : lemmaCandidates(word))
            if (!thesaurus->meanings(written.word(lemma)).empty() && inflects(lemma, kinds, sources.facts)) return lemma;
    const std::string base = adjectiveBase(word);
    if (!base.empty() && base != word && sources.facts && hasKind(sources.facts->find(base).kinds, WordKind::Noun))
        return base;
    return std::string(known);
}

}  // namespace

std::vector<Suggestion> suggestDefinitions(const ClueSources& sources, const Grid& grid, const Slot& slot) {
    const std::string word = slot.pattern(grid);
    if (!allLetters(word)) return {};
    static const WrittenForms plain;
    const WrittenForms& written = sources.written ? *sources.written : plain;
    const WordFacts* facts = sources.facts;
    const FactRecord fact = facts ? facts->find(word) : FactRecord{};
    const std::string lemma = lemmaOf(word, fact.kinds, facts ? facts->lemma(fact) : std::string_view(), sources, written);
    const std::vector<FactNote> notes = facts ? facts->notes(word) : std::vector<FactNote>{};
    const WordKind kind = bestKind(fact.kinds);
    const ClueExclusions excluded(grid, word, facts);

    ThesaurusClues thesaurus;
    if (sources.thesaurus) thesaurus = thesaurusClues(word, lemma, *sources.thesaurus, written, facts, excluded);
    std::vector<Suggestion> out;
    append(out, archived(sources.archive, word));
    // The words of grammar, the notes and the numbers are a closed list an
    // editor clues by what they are, before any synonym (LA is no "In quel luogo").
    append(out, grammarClues(word));
    if (meaningful(kind)) append(out, std::move(thesaurus.strong));
    append(out, siglaClues(word, notes));
    append(out, nameClues(word, notes));
    append(out, worldClues(notes));
    if (facts) append(out, placeClues(word, *facts, written));
    // A word of grammar is surer by its lemma ("Femminile di nessuno") than
    // by the thesaurus, whose senses of such words stray ("Qualche").
    std::vector<Suggestion> forms = lemmaClues(word, fact.kinds, lemma, written);
    if (kind == WordKind::FunctionWord) append(out, forms);
    if (!meaningful(kind)) append(out, std::move(thesaurus.strong));
    // How a word is made says more than its form: "Piccole case" for
    // CASETTE before "Plurale di casetta".
    if (out.empty() && facts) append(out, formationClues(word, *facts, written));
    append(out, std::move(forms));
    // Three letters that mean nothing the sources know are clued by letter
    // play as well.
    const bool letterPlay = word.size() == 2 || (word.size() == 3 && (out.empty() || !meaningful(kind)));
    if (letterPlay && sources.letterPlay)
        append(out, letterPlayClues(*sources.letterPlay, word, excluded, sources.thesaurus));
    append(out, std::move(thesaurus.weak));
    // An English word that Italian also writes is clued as Italian first.
    append(out, englishClues(notes));
    return out;
}

std::vector<SlotSuggestions> suggestGrid(const ClueSources& sources, const Grid& grid,
                                         const std::atomic<bool>* stop) {
    std::vector<SlotSuggestions> out;
    for (const Slot& slot : slotsOf(grid)) {
        if (stop && stop->load()) break;
        std::string word = slot.pattern(grid);
        if (!allLetters(word)) continue;
        out.push_back({slot, std::move(word), suggestDefinitions(sources, grid, slot)});
    }
    return out;
}

}  // namespace quirvo
