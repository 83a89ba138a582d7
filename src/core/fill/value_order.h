#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "core/dictionary/word_table.h"
#include "core/fill/propagator.h"
#include "core/fill/slot_graph.h"

namespace quirvo {

// How promising each word is for one slot as the search stands: the room
// it leaves the crossing slots still open (the log of how many of their
// words agree with each of its letters), less its cost.
class ValueScorer {
public:
    ValueScorer(const SlotGraph& graph, const Propagator& propagator, int slot, DictMask active,
                const WordRules* rules);
    double score(uint32_t word) const;

private:
    const Domain& domain_;
    DictMask active_;
    const WordRules* rules_;
    std::vector<std::array<double, WordTable::LETTERS>> room_;  // per position and letter
};

// A slot's words in the order to try them: up to `scored` of them (a
// random sample when there are more) best first, then the others. With
// an rng, a little noise breaks ties differently on every restart.
std::vector<uint32_t> orderedWords(const SlotGraph& graph, const Propagator& propagator, int slot, DictMask active,
                                   const WordRules* rules, size_t scored, std::mt19937_64* rng);

}  // namespace quirvo
