#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/dictionary/word_facts.h"
#include "core/dictionary/word_table.h"
#include "core/fill/editor_rules.h"

namespace quirvo {

// Words at least this familiar lend their letters to letter play, so two
// of their letters make a fair two-letter entry.
inline constexpr int LETTER_PLAY_FAMILIARITY = 60;

// Why the rules refuse a word, or Accepted.
enum class RuleRefusal : uint8_t {
    Accepted,
    Kind,          // a finite verb, a gerund, a verb with pronouns, a truncation, an unknown word
    LongRoman,     // a roman numeral of four letters or more
    ShortEntry,    // two letters that are no word, no sigla and no letter play of a familiar word
    UnknownSigla,  // three letters that are a sigla nobody could define
    Rare,          // less familiar than the setter's minimum
    Banned,        // on the setter's own list
    Vulgar,        // vulgar or insulting
};

// A word of the table by its length and index there.
struct WordRef {
    uint8_t length = 0;
    uint32_t index = 0;
    bool operator==(const WordRef&) const = default;
};

// The editor's rules worked out once over a lexicon's word table: which
// words a check or a fill may take, what each costs, and which words share
// a lemma (a grid holds one form of a lemma at most). Immutable; any number
// of threads may read it.
class WordRules {
public:
    WordRules(const WordFacts& facts, const EditorRules& settings);

    const EditorRules& settings() const { return settings_; }
    const WordFacts& facts() const { return facts_; }
    // The accepted words of a length, as a bitset over the table's words.
    const std::vector<uint64_t>& accepted(int length) const { return accepted_[size_t(length)]; }
    bool accepts(int length, uint32_t index) const {
        return (accepted_[size_t(length)][index / 64] >> (index % 64)) & 1u;
    }
    RuleRefusal refusal(int length, uint32_t index) const;
    // What the word costs a fill before its dictionary is counted: less the
    // more familiar it is and the better its kind.
    int cost(int length, uint32_t index) const { return costs_[size_t(length)][index]; }
    // The accepted words of the word's lemma, itself among them; empty
    // when it is the only one.
    std::span<const WordRef> lemmaForms(int length, uint32_t index) const;

private:
    bool letterPlay(std::string_view pair) const;
    void markLetterPlay();
    void linkLemmas();

    const WordFacts& facts_;
    EditorRules settings_;
    std::array<std::vector<uint64_t>, WordTable::MAX_LENGTH + 1> accepted_;
    std::array<std::vector<uint8_t>, WordTable::MAX_LENGTH + 1> costs_;
    std::array<bool, 26 * 26> letterPlay_{};
    // The accepted words of each lemma that has two or more: words of
    // lemma i are members_[starts_[i], starts_[i + 1]).
    std::vector<uint32_t> starts_;
    std::vector<WordRef> members_;
};

// The words of the table that fit a pattern of letters and "?" in the
// active dictionaries and that the rules accept, in table order.
std::vector<uint32_t> acceptedCandidates(const WordRules& rules, std::string_view pattern, DictMask active);

}  // namespace quirvo
