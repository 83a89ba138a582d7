#include "core/clues/suggestions.h"

#include <algorithm>

#include "core/grid/cell_codes.h"

#include "core/clues/clue_exclusions.h"
#include "core/clues/letter_play_clues.h"
#include "core/clues/meaning_clues.h"
#include "core/clues/thesaurus_clues.h"

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

void append(std::vector<Suggestion>& out, std::vector<Suggestion> more) {
    for (Suggestion& s : more)
        if (std::none_of(out.begin(), out.end(), [&](const Suggestion& o) { return o.text == s.text; }))
            out.push_back(std::move(s));
}

std::vector<Suggestion> archived(DefinitionArchive* archive, const std::string& word) {
    std::vector<Suggestion> out;
    if (!archive) return out;
    for (ArchivedDefinition& d : archive->ofWord(word, ARCHIVED))
        out.push_back({SuggestionKind::Archive, std::move(d.text), {}});
    return out;
}

}  // namespace

std::vector<Suggestion> suggestDefinitions(const ClueSources& sources, const Grid& grid, const Slot& slot) {
    const std::string word = slot.pattern(grid);
    if (!allLetters(word)) return {};
    static const WrittenForms plain;
    const WrittenForms& written = sources.written ? *sources.written : plain;
    const WordFacts* facts = sources.facts;
    const FactRecord fact = facts ? facts->find(word) : FactRecord{};
    const std::string lemma = facts ? std::string(facts->lemma(fact)) : std::string();
    const std::vector<FactNote> notes = facts ? facts->notes(word) : std::vector<FactNote>{};
    const WordKind kind = bestKind(fact.kinds);
    const ClueExclusions excluded(grid, word, facts);

    ThesaurusClues thesaurus;
    if (sources.thesaurus) thesaurus = thesaurusClues(word, lemma, *sources.thesaurus, written, facts, excluded);
    std::vector<Suggestion> out;
    append(out, archived(sources.archive, word));
    if (meaningful(kind)) append(out, std::move(thesaurus.strong));
    append(out, siglaClues(word, notes));
    append(out, nameClues(word, notes));
    if (!meaningful(kind)) append(out, std::move(thesaurus.strong));
    append(out, lemmaClues(word, fact.kinds, lemma, written));
    const bool letterPlay = word.size() == 2 || (word.size() == 3 && !meaningful(kind) && kind != WordKind::Name);
    if (letterPlay && sources.letterPlay)
        append(out, letterPlayClues(*sources.letterPlay, word, excluded, sources.thesaurus));
    append(out, std::move(thesaurus.weak));
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
