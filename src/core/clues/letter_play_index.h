#pragma once

#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/clues/letter_play.h"
#include "core/clues/written_forms.h"
#include "core/dictionary/facts_file.h"
#include "core/dictionary/word_facts.h"

namespace quirvo {

// A familiar word or name that lends its letters to letter play.
struct PlaySource {
    std::string folded;   // CASA; a name of several words folded word by word: DANTE ALIGHIERI
    std::string written;  // as a sentence writes it: casa, città, Roma, Dante Alighieri
    uint32_t lemma = NO_LEMMA;
    int score = 0;        // its familiarity, more for a lemma's own form
    bool name = false;    // a proper name, written with capitals
    std::string of;       // for a name, "di" with it as its place takes it: di Roma, dello Yemen
};

// From groups of two and three letters to the familiar words and names
// whose letter play gives them, the most familiar first: CA to CASA as its
// head and its first half, OM to ROMA as its middle. Built once per
// lexicon (a second or so for the default dictionaries, so off the
// interface thread); immutable, so any thread may read it.
class LetterPlayIndex {
public:
    // The sources kept for a group: enough to leave some after the words
    // of a grid are set aside.
    static constexpr size_t MOST = 24;

    LetterPlayIndex() = default;
    // A stop leaves the index empty and stopped().
    LetterPlayIndex(const WordFacts& facts, const WrittenForms& written, const std::atomic<bool>* stop = nullptr);

    std::span<const uint32_t> find(Play play, std::string_view letters) const;
    const PlaySource& source(uint32_t id) const { return sources_[id]; }
    size_t sourceCount() const { return sources_.size(); }
    bool stopped() const { return stopped_; }

private:
    void addWords(const WordFacts& facts, const WrittenForms& written, const std::atomic<bool>* stop);
    void addNames(const WordFacts& facts);
    void addSource(PlaySource source);
    void rank();

    std::vector<PlaySource> sources_;
    std::unordered_map<uint32_t, std::vector<uint32_t>> groups_;
    bool stopped_ = false;
};

}  // namespace quirvo
