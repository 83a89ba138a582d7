#include "core/clues/letter_play_index.h"

#include <algorithm>

#include "core/grid/cell_codes.h"

#include "core/clues/famous_names.h"
#include "core/clues/italian_grammar.h"
#include "core/dictionary/vulgar_words.h"
#include "core/dictionary/word_folding.h"
#include "core/fill/word_rules.h"

namespace quirvo {

namespace {

constexpr int BASE_FORM_BONUS = 10;
// Longer words make clumsy letter play ("Il cuore di pericolosissima").
constexpr size_t LONGEST_SOURCE = 10;
constexpr size_t LONGEST_MIDDLE = 8;
constexpr int PLACE_SCORE = 70;
constexpr int FAMOUS_SCORE = 90;

// Kinds whose words read well after "di": nouns, adjectives, verbs in the
// forms a puzzle prints, names.
bool lendsLetters(WordKind kind) {
    switch (kind) {
        case WordKind::Noun:
        case WordKind::Infinitive:
        case WordKind::PastParticiple:
        case WordKind::PresentParticiple:
        case WordKind::Name:
        case WordKind::OtherWord: return true;
        default: return false;
    }
}

uint32_t groupKey(Play play, std::string_view letters) {
    uint32_t code = 0;
    for (char c : letters) code = code * 26 + uint32_t(c - 'A');
    return (uint32_t(play) * 4 + uint32_t(letters.size())) * 26 * 26 * 26 + code;
}

bool validGroup(std::string_view letters) { return (letters.size() == 2 || letters.size() == 3) && allLetters(letters); }

// A name of several words, each capitalised and foldable: "Reggio Emilia",
// not "Pesaro e Urbino" nor "L'Aquila".
std::optional<std::string> foldedName(std::string_view name, bool lowerWordsAllowed) {
    std::string folded;
    size_t words = 0;
    while (!name.empty()) {
        const size_t end = name.find(' ');
        const std::string_view part = name.substr(0, end);
        name.remove_prefix(end == std::string_view::npos ? name.size() : end + 1);
        const std::optional<std::string> f = foldWord(part);
        if (!f || f->back() < 'A' || f->back() > 'Z') return std::nullopt;
        if (!lowerWordsAllowed && (part[0] < 'A' || part[0] > 'Z')) return std::nullopt;
        folded += (words++ ? " " : "") + *f;
    }
    if (words < 2) return std::nullopt;
    return folded;
}

// "di Roma", "dello Yemen", "della Toscana": a name after "di" with the
// article its place takes.
std::string ofName(const std::string& written, const std::vector<FactNote>& notes) {
    for (const FactNote& note : notes) {
        if (note.group == NoteGroup::Country) return ofCountry(written);
        if (note.group == NoteGroup::Region) return ofRegion(written);
    }
    return ofPlace(written);
}

// Notes whose text names a town: the province of a town or of a code, the
// capital of a country, the chief town of a region.
bool namesTown(NoteGroup group) {
    return group == NoteGroup::Town || group == NoteGroup::ProvinceCode || group == NoteGroup::Country ||
           group == NoteGroup::Region;
}

}  // namespace

LetterPlayIndex::LetterPlayIndex(const WordFacts& facts, const WrittenForms& written, const std::atomic<bool>* stop) {
    addWords(facts, written, stop);
    if (stop && stop->load()) {
        sources_.clear();
        groups_.clear();
        stopped_ = true;
        return;
    }
    addNames(facts);
    rank();
}

void LetterPlayIndex::addWords(const WordFacts& facts, const WrittenForms& written, const std::atomic<bool>* stop) {
    const WordTable& table = facts.table();
    for (int length = 3; length <= int(LONGEST_SOURCE); ++length)
        for (uint32_t i = 0; i < table.count(length); ++i) {
            if (stop && i % 4096 == 0 && stop->load()) return;
            const FactRecord& fact = facts.fact(length, i);
            const WordKind kind = bestKind(fact.kinds);
            // Words of grammar make lame play even when they are nouns too: "Metà di alla".
            if (fact.familiarity < LETTER_PLAY_FAMILIARITY || !lendsLetters(kind) ||
                hasKind(fact.kinds, WordKind::FunctionWord) || facts.personal(length, i))
                continue;
            PlaySource source;
            source.folded = std::string(table.word(length, i));
            if (vulgarWord(source.folded)) continue;
            source.name = kind == WordKind::Name;
            source.written = source.name ? written.name(source.folded) : written.word(source.folded);
            if (source.name) source.of = ofName(source.written, facts.notes(source.folded));
            source.lemma = fact.lemma;
            const std::string_view lemma = facts.lemma(fact);
            source.score = fact.familiarity + (lemma.empty() || lemma == source.folded ? BASE_FORM_BONUS : 0);
            addSource(std::move(source));
        }
}

void LetterPlayIndex::addNames(const WordFacts& facts) {
    std::vector<std::string> seen;
    auto add = [&](std::string_view name, int score, bool lowerWordsAllowed) {
        const std::optional<std::string> folded = foldedName(name, lowerWordsAllowed);
        if (!folded || std::find(seen.begin(), seen.end(), *folded) != seen.end()) return;
        seen.push_back(*folded);
        addSource(PlaySource{*folded, std::string(name), NO_LEMMA, score, true, ofPlace(name)});
    };
    int rank = 0;
    for (std::string_view name : famousNames()) add(name, FAMOUS_SCORE - rank++ / 10, true);
    std::vector<std::string_view> places;
    for (const auto& [word, notes] : facts.allNotes())
        for (const FactNote& note : notes)
            if (namesTown(note.group)) places.push_back(note.text);
    std::sort(places.begin(), places.end());
    for (std::string_view place : places) add(place, PLACE_SCORE, false);
}

void LetterPlayIndex::addSource(PlaySource source) {
    const uint32_t id = uint32_t(sources_.size());
    for (int count = 2; count <= 3; ++count)
        for (int p = 0; p < PLAYS; ++p) {
            if (Play(p) == Play::Middle && source.folded.size() > LONGEST_MIDDLE) continue;
            const std::string letters = playLetters(Play(p), source.folded, count);
            if (!letters.empty()) groups_[groupKey(Play(p), letters)].push_back(id);
        }
    sources_.push_back(std::move(source));
}

void LetterPlayIndex::rank() {
    for (auto& [key, ids] : groups_) {
        std::stable_sort(ids.begin(), ids.end(),
                         [this](uint32_t a, uint32_t b) { return sources_[a].score > sources_[b].score; });
        if (ids.size() > MOST) ids.resize(MOST);
        ids.shrink_to_fit();
    }
}

std::span<const uint32_t> LetterPlayIndex::find(Play play, std::string_view letters) const {
    if (!validGroup(letters)) return {};
    const auto found = groups_.find(groupKey(play, letters));
    return found == groups_.end() ? std::span<const uint32_t>() : std::span<const uint32_t>(found->second);
}

}  // namespace quirvo
