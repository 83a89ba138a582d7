#include "core/facts/fact_sheet.h"

#include <algorithm>

#include "core/facts/familiarity.h"

namespace quirvo {

namespace {

constexpr uint8_t LEXICAL = sourceBit(FactSource::WordList) | sourceBit(FactSource::Hunspell) |
                            sourceBit(FactSource::MorphIt) | sourceBit(FactSource::Places) |
                            sourceBit(FactSource::People);

}  // namespace

FactSheet::FactSheet(const WordTable& table) : table_(table) {
    uint32_t total = 0;
    for (int length = 0; length <= WordTable::MAX_LENGTH; ++length) {
        starts_[size_t(length)] = total;
        total += table.count(length);
    }
    starts_[WordTable::MAX_LENGTH + 1] = total;
    kinds_.assign(total, 0);
    sources_.assign(total, 0);
    hints_.assign(total, 0);
    floors_.assign(total, 0);
    lemmas_.assign(total, NO_LEMMA);
    subtitleRanks_.assign(total, 0);
    wikipediaRanks_.assign(total, 0);
}

uint32_t FactSheet::at(std::string_view word) const {
    if (word.size() < 2 || word.size() > size_t(WordTable::MAX_LENGTH)) return NONE;
    const uint32_t index = table_.find(word);
    return index == WordTable::NOT_FOUND ? NONE : starts_[word.size()] + index;
}

std::string_view FactSheet::word(uint32_t at) const {
    const auto next = std::upper_bound(starts_.begin(), starts_.end(), at);
    const int length = int(next - starts_.begin()) - 1;
    return table_.word(length, at - starts_[size_t(length)]);
}

uint32_t FactSheet::lemmaId(std::string_view lemma) {
    const auto [found, fresh] = lemmaIds_.try_emplace(std::string(lemma), uint32_t(lemmaTexts_.size()));
    if (fresh) lemmaTexts_.emplace_back(lemma);
    return found->second;
}

std::string_view FactSheet::lemma(uint32_t at) const {
    return lemmas_[at] == NO_LEMMA ? std::string_view() : std::string_view(lemmaTexts_[lemmas_[at]]);
}

void FactSheet::addKind(std::string_view word, WordKind kind, std::string_view lemma, FactSource source) {
    const uint32_t i = at(word);
    if (i == NONE) return;
    const uint32_t id = lemma.empty() ? NO_LEMMA : lemmaId(lemma);
    const KindSet before = kinds_[i];
    if (!before || kind < bestKind(before) || (kind == bestKind(before) && lemmas_[i] == NO_LEMMA)) lemmas_[i] = id;
    kinds_[i] |= kindBit(kind);
    sources_[i] |= sourceBit(source);
}

void FactSheet::markTruncated(std::string_view word, std::string_view lemma, FactSource source) {
    const uint32_t i = at(word);
    if (i == NONE) return;
    kinds_[i] &= KindSet(~(kindBit(WordKind::Noun) | kindBit(WordKind::OtherWord)));
    addKind(word, WordKind::Truncated, lemma, source);
    lemmas_[i] = lemmaId(lemma);
}

void FactSheet::addSource(std::string_view word, FactSource source) {
    if (const uint32_t i = at(word); i != NONE) sources_[i] |= sourceBit(source);
}

void FactSheet::addHint(std::string_view word, WordHint hint) {
    if (const uint32_t i = at(word); i != NONE) hints_[i] |= uint8_t(hint);
}

void FactSheet::addNote(std::string_view word, NoteGroup group, std::string_view text) {
    if (at(word) != NONE) notes_.push_back({std::string(word), group, std::string(text)});
}

void FactSheet::raiseFloor(std::string_view word, int familiarity) {
    if (const uint32_t i = at(word); i != NONE) floors_[i] = uint8_t(std::max<int>(floors_[i], familiarity));
}

void FactSheet::addSubtitleRank(std::string_view word, uint32_t rank) {
    if (const uint32_t i = at(word); i != NONE && (!subtitleRanks_[i] || rank < subtitleRanks_[i]))
        subtitleRanks_[i] = rank;
}

void FactSheet::addWikipediaRank(std::string_view word, uint32_t rank) {
    if (const uint32_t i = at(word); i != NONE && (!wikipediaRanks_[i] || rank < wikipediaRanks_[i]))
        wikipediaRanks_[i] = rank;
}

void FactSheet::relinkLemma(std::string_view from, std::string_view to) {
    const auto found = lemmaIds_.find(std::string(from));
    if (found != lemmaIds_.end() && from != to) relinks_[found->second] = lemmaId(to);
}

void FactSheet::applyRelinks() {
    const auto relinked = [&](uint32_t& lemma) {
        if (const auto found = relinks_.find(lemma); found != relinks_.end()) lemma = found->second;
    };
    for (uint32_t& lemma : lemmas_) relinked(lemma);
}

// Names, sigle and roman numerals say nothing of a word of the lists that
// reads the same: NON is no less a word for being a language code.
constexpr KindSet NOT_WORDS = kindBit(WordKind::Name) | kindBit(WordKind::Sigla) | kindBit(WordKind::Roman);

void FactSheet::settleHints() {
    for (uint32_t i = 0; i < size(); ++i) {
        const bool vouched = (hints_[i] & uint8_t(WordHint::ElidedOnly)) && rank(i);
        const bool listed = (hints_[i] & uint8_t(WordHint::PlainWord)) || vouched;
        if (!(kinds_[i] & ~NOT_WORDS) && listed && !(hints_[i] & uint8_t(WordHint::Abbreviation))) {
            kinds_[i] |= kindBit(WordKind::OtherWord);
            if (bestKind(kinds_[i]) == WordKind::OtherWord) lemmas_[i] = lemmaId(word(i));
        }
        if (kinds_[i]) continue;
        if (hints_[i] & uint8_t(WordHint::Capitalised)) {
            kinds_[i] = kindBit(WordKind::Name);
        } else if (hints_[i] & uint8_t(WordHint::Capitals)) {
            kinds_[i] = kindBit(WordKind::Sigla);
        }
    }
}

uint32_t FactSheet::rank(uint32_t at) const {
    if (!(sources_[at] & LEXICAL)) return 0;
    const uint32_t a = subtitleRanks_[at], b = wikipediaRanks_[at];
    return a && b ? std::min(a, b) : a | b;
}

// A lemma's rank is the best of its own word's and of every word that
// counts as its form; a word that only might be a form does not lend its
// rank (POSTA, the noun, makes the verb POSTARE no more familiar).
std::vector<uint32_t> FactSheet::lemmaRanks() const {
    std::vector<uint32_t> ranks(lemmaTexts_.size(), 0);
    const auto better = [&](uint32_t lemma, uint32_t r) {
        if (r && (!ranks[lemma] || r < ranks[lemma])) ranks[lemma] = r;
    };
    for (uint32_t i = 0; i < size(); ++i)
        if (lemmas_[i] != NO_LEMMA) better(lemmas_[i], rank(i));
    for (uint32_t id = 0; id < lemmaTexts_.size(); ++id)
        if (const uint32_t i = at(lemmaTexts_[id]); i != NONE) better(id, rank(i));
    return ranks;
}

void FactSheet::write(FactsWriter& writer) {
    settleHints();
    applyRelinks();
    const std::vector<uint32_t> ranks = lemmaRanks();
    std::vector<uint32_t> writerIds(lemmaTexts_.size(), NO_LEMMA);
    for (uint32_t i = 0; i < size(); ++i) {
        FactRecord record;
        record.kinds = kinds_[i];
        uint32_t r = rank(i);
        record.sources = r ? uint8_t(sources_[i] | sourceBit(FactSource::Frequency)) : sources_[i];
        if (!r && lemmas_[i] != NO_LEMMA && sharesLemmaRank(word(i), lemmaTexts_[lemmas_[i]])) r = ranks[lemmas_[i]];
        int familiarity = r ? familiarityOfRank(r) : UNRANKED_FAMILIARITY;
        familiarity = std::max<int>(familiarity, floors_[i]);
        record.familiarity = uint8_t(record.kinds ? familiarity : UNKNOWN_FAMILIARITY);
        if (lemmas_[i] != NO_LEMMA) {
            uint32_t& id = writerIds[lemmas_[i]];
            if (id == NO_LEMMA) id = writer.lemmaId(lemmaTexts_[lemmas_[i]]);
            record.lemma = id;
        }
        writer.set(word(i), record);
    }
    for (const FactNote& note : notes_) writer.addNote(note.word, note.group, note.text);
}

}  // namespace quirvo
