#include "core/fill/word_rules.h"

#include <algorithm>
#include <bit>

#include "core/dictionary/candidates.h"
#include "core/dictionary/vulgar_words.h"

namespace quirvo {

namespace {

constexpr uint8_t REFUSED_COST = 255;

constexpr KindSet REFUSED_KINDS = kindBit(WordKind::Gerund) | kindBit(WordKind::FiniteVerb) |
                                  kindBit(WordKind::VerbWithPronouns) | kindBit(WordKind::Truncated);

bool refusedKind(WordKind kind) { return kind == WordKind::Unknown || (REFUSED_KINDS & kindBit(kind)); }

// What a kind adds to a word's cost: names, participles used as nouns and
// codes read as weaker entries than plain words.
int kindCost(WordKind kind) {
    switch (kind) {
        case WordKind::Noun:
        case WordKind::Infinitive:
        case WordKind::PastParticiple:
        case WordKind::OtherWord:
        case WordKind::FunctionWord: return 0;
        case WordKind::PresentParticiple:
        case WordKind::Name: return 1;
        case WordKind::Sigla: return 2;
        default: return 3;
    }
}

int pairIndex(char a, char b) { return (a - 'A') * 26 + (b - 'A'); }

}  // namespace

WordRules::WordRules(const WordFacts& facts, const EditorRules& settings) : facts_(facts), settings_(settings) {
    std::sort(settings_.banned.begin(), settings_.banned.end());
    markLetterPlay();
    const WordTable& table = facts.table();
    for (int length = 2; length <= WordTable::MAX_LENGTH; ++length) {
        const uint32_t count = table.count(length);
        accepted_[size_t(length)].assign(table.blocks(length), 0);
        costs_[size_t(length)].assign(count, REFUSED_COST);
        for (uint32_t i = 0; i < count; ++i) {
            if (refusal(length, i) != RuleRefusal::Accepted) continue;
            accepted_[size_t(length)][i / 64] |= uint64_t(1) << (i % 64);
            const FactRecord& fact = facts.fact(length, i);
            costs_[size_t(length)][i] = uint8_t(kindCost(bestKind(fact.kinds)) + (100 - fact.familiarity) / 10);
        }
    }
    linkLemmas();
}

void WordRules::markLetterPlay() {
    const WordTable& table = facts_.table();
    for (int length = 3; length <= WordTable::MAX_LENGTH; ++length)
        for (uint32_t i = 0; i < table.count(length); ++i) {
            const FactRecord& fact = facts_.fact(length, i);
            if (fact.familiarity < LETTER_PLAY_FAMILIARITY || refusedKind(bestKind(fact.kinds))) continue;
            const std::string_view w = table.word(length, i);
            const size_t n = w.size();
            letterPlay_[size_t(pairIndex(w[0], w[1]))] = true;
            letterPlay_[size_t(pairIndex(w[n - 2], w[n - 1]))] = true;
            letterPlay_[size_t(pairIndex(w[0], w[n - 1]))] = true;
            if (n % 2 == 0) letterPlay_[size_t(pairIndex(w[n / 2 - 1], w[n / 2]))] = true;
        }
}

bool WordRules::letterPlay(std::string_view pair) const { return letterPlay_[size_t(pairIndex(pair[0], pair[1]))]; }

RuleRefusal WordRules::refusal(int length, uint32_t index) const {
    const std::string_view word = facts_.table().word(length, index);
    if (std::binary_search(settings_.banned.begin(), settings_.banned.end(), word)) return RuleRefusal::Banned;
    if (facts_.personal(length, index)) return RuleRefusal::Accepted;
    if (vulgarWord(word)) return RuleRefusal::Vulgar;
    const FactRecord& fact = facts_.fact(length, index);
    const WordKind kind = bestKind(fact.kinds);
    if (length == 2) return refusedKind(kind) && !letterPlay(word) ? RuleRefusal::ShortEntry : RuleRefusal::Accepted;
    if (refusedKind(kind)) return RuleRefusal::Kind;
    if (kind == WordKind::Roman && length >= 4) return RuleRefusal::LongRoman;
    if (kind == WordKind::Sigla && length == 3 && facts_.notes(word).empty()) return RuleRefusal::UnknownSigla;
    if (fact.familiarity < settings_.minFamiliarity) return RuleRefusal::Rare;
    return RuleRefusal::Accepted;
}

void WordRules::linkLemmas() {
    const WordTable& table = facts_.table();
    std::vector<std::pair<uint32_t, WordRef>> byLemma;
    for (int length = 2; length <= WordTable::MAX_LENGTH; ++length)
        for (uint32_t i = 0; i < table.count(length); ++i) {
            const uint32_t lemma = facts_.fact(length, i).lemma;
            if (lemma != NO_LEMMA && accepts(length, i)) byLemma.push_back({lemma, {uint8_t(length), i}});
        }
    std::sort(byLemma.begin(), byLemma.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const uint32_t lemmas = byLemma.empty() ? 0 : byLemma.back().first + 1;
    starts_.assign(size_t(lemmas) + 1, 0);
    for (size_t i = 0; i < byLemma.size();) {
        size_t j = i;
        while (j < byLemma.size() && byLemma[j].first == byLemma[i].first) ++j;
        if (j - i >= 2) {
            starts_[byLemma[i].first] = uint32_t(members_.size());
            for (size_t k = i; k < j; ++k) members_.push_back(byLemma[k].second);
            starts_[byLemma[i].first + 1] = uint32_t(members_.size());
        }
        i = j;
    }
    // Lemmas with fewer than two members keep an empty range.
    for (size_t l = 1; l < starts_.size(); ++l) starts_[l] = std::max(starts_[l], starts_[l - 1]);
}

std::span<const WordRef> WordRules::lemmaForms(int length, uint32_t index) const {
    const uint32_t lemma = facts_.fact(length, index).lemma;
    if (lemma == NO_LEMMA || size_t(lemma) + 1 >= starts_.size()) return {};
    return std::span<const WordRef>(members_).subspan(starts_[lemma], starts_[lemma + 1] - starts_[lemma]);
}

std::vector<uint32_t> acceptedCandidates(const WordRules& rules, std::string_view pattern, DictMask active) {
    const int length = int(pattern.size());
    std::vector<uint32_t> words;
    if (length < 2 || length > WordTable::MAX_LENGTH) return words;
    const std::vector<uint64_t> bits = candidateBits(rules.facts().table(), pattern, active);
    const std::vector<uint64_t>& accepted = rules.accepted(length);
    for (size_t b = 0; b < bits.size(); ++b)
        for (uint64_t rest = bits[b] & accepted[b]; rest; rest &= rest - 1)
            words.push_back(uint32_t(b * 64 + size_t(std::countr_zero(rest))));
    return words;
}

}  // namespace quirvo
