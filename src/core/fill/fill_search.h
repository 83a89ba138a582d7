#pragma once

#include <chrono>
#include <random>
#include <vector>

#include "core/dictionary/word_table.h"
#include "core/fill/fill_options.h"
#include "core/fill/propagator.h"
#include "core/fill/slot_graph.h"

namespace quirvo {

// The backtracking search behind fill: the open slot with the fewest
// words for its weight first (a slot's weight grows each time it runs dry),
// its words in value order, propagation after every choice, restarts
// after a growing number of failures, a time limit and a stop flag.
class FillSearch {
public:
    using Clock = std::chrono::steady_clock;
    enum class Step { Found, Exhausted, Abort };

    FillSearch(const SlotGraph& graph, Propagator& propagator, const FillOptions& options, Clock::time_point start);

    // Runs from a propagated root; the words of the fill, one per slot,
    // when the outcome is Filled.
    FillOutcome run(std::vector<uint32_t>& words);
    bool timedOut() const { return timedOut_; }
    const FillProgress& progress() const { return progress_; }

private:
    Step dfs();
    int pickSlot(long& boundCost);
    bool interrupted();
    void report();
    void unwind();
    long slotCost(int slot) const;

    const SlotGraph& graph_;
    Propagator& propagator_;
    const FillOptions& options_;
    Clock::time_point start_, deadline_, nextReport_;
    std::mt19937_64 rng_;
    std::vector<double> weight_;
    long fails_ = 0, failLimit_ = 0, totalFails_ = 0;
    long bestCost_ = -1;
    bool stopped_ = false, timedOut_ = false;
    FillProgress progress_;
};

}  // namespace quirvo
