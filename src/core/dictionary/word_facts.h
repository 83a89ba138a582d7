#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/dictionary/dictionary.h"
#include "core/dictionary/facts_file.h"
#include "core/dictionary/word_table.h"

namespace quirvo {

// What every word of the word table is: the facts file's records laid out
// beside the table, one per word, so whatever judges a word of a slot finds
// its facts by the index it already has. Immutable once built; any number
// of threads may read it.
class WordFacts {
public:
    // A word of a dictionary the facts were not made for is the setter's
    // own: never refused, and at least this familiar.
    static constexpr int PERSONAL_FAMILIARITY = 50;

    WordFacts(const WordTable& table, const FactsFile& file, const DictionarySet& dicts);

    const WordTable& table() const { return table_; }
    const FactRecord& fact(int length, uint32_t index) const { return byLength_[size_t(length)][index]; }
    bool personal(int length, uint32_t index) const { return (table_.dictionaries(length, index) & personal_) != 0; }
    // The slots holding a dictionary the facts were not made for.
    DictMask personalSlots() const { return personal_; }
    // The facts of any word; a word the table lacks has none.
    FactRecord find(std::string_view word) const;
    std::string_view lemma(const FactRecord& record) const;
    // What a name or a sigla stands for, in the file's order.
    const std::vector<FactNote>& notes(std::string_view word) const;
    // Every word that has notes, with them.
    const std::unordered_map<std::string, std::vector<FactNote>>& allNotes() const { return notes_; }

private:
    void layOut(const FactsFile& file, const FactsFile::Bucket& b);

    const WordTable& table_;
    std::array<std::vector<FactRecord>, WordTable::MAX_LENGTH + 1> byLength_;
    std::string lemmaText_;
    std::vector<uint32_t> lemmaStarts_;  // lemma i is [starts[i], starts[i + 1])
    std::unordered_map<std::string, std::vector<FactNote>> notes_;
    DictMask personal_ = 0;
};

}  // namespace quirvo
