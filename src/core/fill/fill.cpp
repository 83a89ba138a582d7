#include "core/fill/fill.h"

#include <algorithm>
#include <cstdint>

#include "core/fill/fill_cost.h"
#include "core/fill/fill_search.h"
#include "core/fill/slot_domains.h"
#include "core/fill/value_order.h"

namespace quirvo {

namespace {

double secondsSince(FillSearch::Clock::time_point start) {
    return std::chrono::duration<double>(FillSearch::Clock::now() - start).count();
}

}  // namespace

FillResult fill(const WordTable& table, const Grid& grid, const FillOptions& options) {
    const auto start = FillSearch::Clock::now();
    const SlotGraph graph = slotGraph(grid);
    const WordRules* rules = options.rules.get();
    Propagator propagator(graph, slotDomains(table, grid, graph, options.active, rules), true, options.stop, rules);
    FillResult result;
    result.grid = grid;
    FillSearch search(graph, propagator, options, start);
    std::vector<uint32_t> words;
    if (!propagator.propagateAll()) result.outcome = propagator.stopped() ? FillOutcome::Stopped : FillOutcome::NoFill;
    else result.outcome = search.run(words);
    result.timedOut = result.outcome == FillOutcome::Stopped && search.timedOut();
    result.progress = search.progress();
    if (result.outcome == FillOutcome::Filled) {
        result.grid = gridWithWords(grid, graph, words, table);
        result.report = fillReport(table, result.grid, options.active, rules);
    }
    result.seconds = secondsSince(start);
    return result;
}

std::vector<SlotWord> fillSlot(const WordTable& table, const Grid& grid, const Slot& slot,
                               const FillOptions& options, size_t maxWords) {
    const auto start = FillSearch::Clock::now();
    const SlotGraph graph = slotGraph(grid);
    std::vector<SlotWord> out;
    const auto at = std::find(graph.slots.begin(), graph.slots.end(), slot);
    if (at == graph.slots.end()) return out;
    const int s = int(at - graph.slots.begin());
    const WordRules* rules = options.rules.get();
    Propagator propagator(graph, slotDomains(table, grid, graph, options.active, rules), true, options.stop, rules);
    if (!propagator.propagateAll()) return out;
    const std::vector<uint32_t> order = orderedWords(graph, propagator, s, options.active, rules, SIZE_MAX, nullptr);
    const ValueScorer scorer(graph, propagator, s, options.active, rules);
    for (const uint32_t word : order) {
        if (out.size() >= maxWords || propagator.stopped() || secondsSince(start) > options.seconds) break;
        const double score = scorer.score(word);
        propagator.pushLevel();
        if (propagator.assign(s, word))
            out.push_back({std::string(table.word(slot.length, word)),
                           table.firstDictionary(slot.length, word, options.active), score});
        propagator.popLevel();
    }
    return out;
}

}  // namespace quirvo
