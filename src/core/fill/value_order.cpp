#include "core/fill/value_order.h"

#include <algorithm>
#include <cmath>

#include "core/fill/fill_cost.h"

namespace quirvo {

ValueScorer::ValueScorer(const SlotGraph& graph, const Propagator& propagator, int slot, DictMask active,
                         const WordRules* rules)
    : domain_(propagator.domain(slot)), active_(active), rules_(rules), room_(size_t(domain_.length())) {
    for (int p = 0; p < domain_.length(); ++p) {
        const SlotGraph::Link& link = graph.crossings[size_t(slot)][size_t(p)];
        if (link.slot < 0 || propagator.domain(link.slot).size() <= 1) continue;
        const Domain::Histogram agreeing = propagator.domain(link.slot).histogram(link.position);
        for (size_t x = 0; x < agreeing.size(); ++x) room_[size_t(p)][x] = std::log(1.0 + agreeing[x]);
    }
}

double ValueScorer::score(uint32_t word) const {
    const WordTable& table = domain_.table();
    const int length = domain_.length();
    const std::string_view letters = table.word(length, word);
    double room = 0;
    for (int p = 0; p < length; ++p) room += room_[size_t(p)][size_t(letters[size_t(p)] - 'A')];
    return room - tableWordCost(table, length, word, active_, rules_);
}

std::vector<uint32_t> orderedWords(const SlotGraph& graph, const Propagator& propagator, int slot, DictMask active,
                                   const WordRules* rules, size_t scored, std::mt19937_64* rng) {
    std::vector<uint32_t> words;
    words.reserve(propagator.domain(slot).size());
    propagator.domain(slot).forEach([&](uint32_t w) { words.push_back(w); });
    const size_t n = std::min(scored, words.size());
    if (n < words.size()) {
        std::mt19937_64 fixed(words.size());
        std::mt19937_64& pick = rng ? *rng : fixed;
        for (size_t i = 0; i < n; ++i) std::swap(words[i], words[i + pick() % (words.size() - i)]);
    }
    const ValueScorer scorer(graph, propagator, slot, active, rules);
    std::uniform_real_distribution<double> noise(0.0, 1.0);
    std::vector<std::pair<double, uint32_t>> ranked(n);
    for (size_t i = 0; i < n; ++i) ranked[i] = {scorer.score(words[i]) + (rng ? noise(*rng) : 0.0), words[i]};
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (size_t i = 0; i < n; ++i) words[i] = ranked[i].second;
    return words;
}

}  // namespace quirvo
