#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/dictionary/facts_file.h"
#include "core/dictionary/word_table.h"

namespace quirvo {

// What a source knows of a word besides its kinds, for the words no source
// gives a kind: a plain word of the lists is some other word, a capitalised
// one a name, an all-capitals one a sigla. A stem the spelling dictionary
// only takes after an elision is a word when a frequency list knows it
// (HOCKEY); else nobody vouches for it (ASCISC, INTREA).
enum class WordHint : uint8_t {
    PlainWord = 1,
    Capitalised = 2,
    Capitals = 4,
    ElidedOnly = 8,
    Abbreviation = 16,  // what a word list writes in small letters is still an abbreviation (ECC)
};

// The facts of every word of a word table as the sources tell them, merged:
// each source adds what it knows, then `write` settles what nobody said and
// the familiarity, and hands every word to the facts file. Words outside
// the table are ignored.
class FactSheet {
public:
    static constexpr uint32_t NONE = UINT32_MAX;

    explicit FactSheet(const WordTable& table);

    // The word's place on the sheet, or NONE.
    uint32_t at(std::string_view word) const;
    size_t size() const { return kinds_.size(); }
    std::string_view word(uint32_t at) const;

    // A kind with its lemma ("" for none). The lemma kept is that of the
    // best kind, the first said among equals.
    void addKind(std::string_view word, WordKind kind, std::string_view lemma, FactSource source);
    // A form the sources take for a word of its own that is a truncation
    // (BUON, SIGNOR): no longer a noun or a plain word, and a form of
    // `lemma` whatever else it stays (BEL, a sigla too).
    void markTruncated(std::string_view word, std::string_view lemma, FactSource source);
    void addSource(std::string_view word, FactSource source);
    void addHint(std::string_view word, WordHint hint);
    void addNote(std::string_view word, NoteGroup group, std::string_view text);
    // The least familiarity of a name or a sigla of its group.
    void raiseFloor(std::string_view word, int familiarity);
    // A rank in a frequency list (1 = most frequent); the better one stays.
    void addSubtitleRank(std::string_view word, uint32_t rank);
    void addWikipediaRank(std::string_view word, uint32_t rank);
    // Every word whose lemma is `from` takes `to` (NOTAIA -> NOTAIO).
    void relinkLemma(std::string_view from, std::string_view to);

    KindSet kinds(uint32_t at) const { return kinds_[at]; }
    std::string_view lemma(uint32_t at) const;
    // The word's own rank: the better of the two lists', 0 for none. The
    // lists hold names, markup and foreign words, so a rank counts only
    // for a word some word list, dictionary, table or list of names knows.
    uint32_t rank(uint32_t at) const;
    bool hasHint(uint32_t at, WordHint hint) const { return (hints_[at] & uint8_t(hint)) != 0; }

    // Settles the words no source gave a kind by their hints, works out
    // every familiarity and writes every word and note.
    void write(FactsWriter& writer);

private:
    uint32_t lemmaId(std::string_view lemma);
    void settleHints();
    void applyRelinks();
    std::vector<uint32_t> lemmaRanks() const;

    const WordTable& table_;
    std::array<uint32_t, WordTable::MAX_LENGTH + 2> starts_{};
    std::vector<KindSet> kinds_;
    std::vector<uint8_t> sources_, hints_, floors_;
    std::vector<uint32_t> lemmas_, subtitleRanks_, wikipediaRanks_;
    std::vector<std::string> lemmaTexts_;
    std::unordered_map<std::string, uint32_t> lemmaIds_;
    std::unordered_map<uint32_t, uint32_t> relinks_;
    std::vector<FactNote> notes_;
};

}  // namespace quirvo
