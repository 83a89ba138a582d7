#include "core/fill/value_order.h"

#include <algorithm>
#include <cmath>

#include "core/fill/fill_cost.h"

namespace quirvo {

double wordScore(const SlotGraph& graph, const Propagator& propagator, int slot, uint32_t word, DictMask active) {
    const Domain& d = propagator.domain(slot);
    const WordTable& table = d.table();
    double room = 0;
    for (int p = 0; p < d.length(); ++p) {
        const SlotGraph::Link& link = graph.crossings[size_t(slot)][size_t(p)];
        if (link.slot < 0 || propagator.domain(link.slot).size() <= 1) continue;
        const uint32_t agreeing = propagator.domain(link.slot).count(link.position, table.letter(d.length(), word, p));
        room += std::log(1.0 + agreeing);
    }
    return room - wordCost(table.word(d.length(), word), table.firstDictionary(d.length(), word, active), active);
}

std::vector<uint32_t> orderedWords(const SlotGraph& graph, const Propagator& propagator, int slot, DictMask active,
                                   size_t scored, std::mt19937_64* rng) {
    std::vector<uint32_t> words;
    words.reserve(propagator.domain(slot).size());
    propagator.domain(slot).forEach([&](uint32_t w) { words.push_back(w); });
    const size_t n = std::min(scored, words.size());
    if (n < words.size()) {
        std::mt19937_64 fixed(words.size());
        std::mt19937_64& pick = rng ? *rng : fixed;
        for (size_t i = 0; i < n; ++i) std::swap(words[i], words[i + pick() % (words.size() - i)]);
    }
    std::uniform_real_distribution<double> noise(0.0, 1.0);
    std::vector<std::pair<double, uint32_t>> ranked(n);
    for (size_t i = 0; i < n; ++i)
        ranked[i] = {wordScore(graph, propagator, slot, words[i], active) + (rng ? noise(*rng) : 0.0), words[i]};
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (size_t i = 0; i < n; ++i) words[i] = ranked[i].second;
    return words;
}

}  // namespace quirvo
