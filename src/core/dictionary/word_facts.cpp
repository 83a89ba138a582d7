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
    for (const FactsFile::Bucket& b : file.buckets()) layOut(file, b);
    for (int length = 2; length <= WordTable::MAX_LENGTH && personal_; ++length)
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

// A table whose words of a length begin as the file's do takes their
// records as they lie; any other finds each word of the file.
void WordFacts::layOut(const FactsFile& file, const FactsFile::Bucket& b) {
    const int length = int(b.length);
    std::vector<FactRecord>& records = byLength_[b.length];
    const uint32_t count = table_.count(length);
    if (count >= b.count && count > 0 &&
        lettersFingerprint({table_.word(length, 0).data(), size_t(b.count) * b.length}) == b.fingerprint) {
        file.copyRecords(b, records.data());
        return;
    }
    const std::string_view letters = file.letters(b);
    for (uint32_t i = 0; i < b.count && !letters.empty(); ++i) {
        const uint32_t at = table_.find(letters.substr(size_t(i) * b.length, b.length));
        if (at != WordTable::NOT_FOUND) records[at] = file.record(b, i);
    }
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
