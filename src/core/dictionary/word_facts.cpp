#include "core/dictionary/word_facts.h"

#include <algorithm>

namespace quirvo {

namespace {

DictMask slotsOutside(const std::vector<std::string>& madeFor, const DictionarySet& dicts) {
    DictMask outside = 0;
    for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot)
        if (dicts[slot].present() &&
            std::find(madeFor.begin(), madeFor.end(), dicts[slot].dictFileName) == madeFor.end())
            outside |= slotBit(slot);
    return outside;
}

}  // namespace

WordFacts::WordFacts(const WordTable& table, const FactsFile& file, const DictionarySet& dicts)
    : table_(table), personal_(slotsOutside(file.dictionaries(), dicts)) {
    for (int length = 2; length <= WordTable::MAX_LENGTH; ++length) byLength_[size_t(length)].resize(table.count(length));
    file.forEachWord([&](std::string_view word, const FactRecord& record) {
        const uint32_t at = table.find(word);
        if (at != WordTable::NOT_FOUND) byLength_[word.size()][at] = record;
    });
    for (int length = 2; length <= WordTable::MAX_LENGTH; ++length)
        for (uint32_t i = 0; i < table.count(length); ++i)
            if (personal(length, i)) {
                uint8_t& familiarity = byLength_[size_t(length)][i].familiarity;
                familiarity = std::max<uint8_t>(familiarity, PERSONAL_FAMILIARITY);
            }
    lemmaStarts_.reserve(file.lemmaCount() + 1);
    for (uint32_t i = 0; i < file.lemmaCount(); ++i) {
        lemmaStarts_.push_back(uint32_t(lemmaText_.size()));
        lemmaText_ += file.lemma(i);
    }
    lemmaStarts_.push_back(uint32_t(lemmaText_.size()));
    for (const FactNote& note : file.notes()) notes_[note.word].push_back(note);
}

FactRecord WordFacts::find(std::string_view word) const {
    const uint32_t at = table_.find(word);
    return at == WordTable::NOT_FOUND ? FactRecord{} : fact(int(word.size()), at);
}

std::string_view WordFacts::lemma(const FactRecord& record) const {
    if (record.lemma == NO_LEMMA || record.lemma + 1 >= lemmaStarts_.size()) return {};
    const uint32_t from = lemmaStarts_[record.lemma];
    return std::string_view(lemmaText_).substr(from, lemmaStarts_[record.lemma + 1] - from);
}

const std::vector<FactNote>& WordFacts::notes(std::string_view word) const {
    static const std::vector<FactNote> none;
    const auto found = notes_.find(std::string(word));
    return found == notes_.end() ? none : found->second;
}

}  // namespace quirvo
