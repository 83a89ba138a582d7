#include "core/fill/fill_search.h"

#include <algorithm>

#include "core/common/deadline.h"
#include "core/fill/fill_cost.h"
#include "core/fill/value_order.h"

namespace quirvo {

namespace {

constexpr long FIRST_FAIL_LIMIT = 64;
constexpr double FAIL_LIMIT_GROWTH = 1.5;
constexpr size_t SCORED_WORDS = 512;
constexpr auto REPORT_EVERY = std::chrono::milliseconds(100);

}  // namespace

FillSearch::FillSearch(const SlotGraph& graph, Propagator& propagator, const FillOptions& options,
                       Clock::time_point start)
    : graph_(graph),
      propagator_(propagator),
      options_(options),
      start_(start),
      deadline_(deadlineAfter(start, options.seconds)),
      nextReport_(start + REPORT_EVERY),
      rng_(options.seed),
      weight_(size_t(propagator.slotCount()), 1.0) {
    progress_.slotCount = propagator.slotCount();
}

bool FillSearch::interrupted() {
    if (stopped_ || timedOut_) return true;
    if (options_.stop && options_.stop->load(std::memory_order_relaxed)) return stopped_ = true;
    if (options_.failureLimit > 0 && totalFails_ >= options_.failureLimit) return stopped_ = true;
    const Clock::time_point now = Clock::now();
    if (now >= deadline_) return timedOut_ = true;
    if (options_.progress && now >= nextReport_) {
        nextReport_ = now + REPORT_EVERY;
        report();
    }
    return false;
}

void FillSearch::report() {
    progress_.seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    if (options_.progress) options_.progress(progress_);
}

long FillSearch::slotCost(int slot) const {
    const Domain& d = propagator_.domain(slot);
    return tableWordCost(d.table(), d.length(), d.first(), options_.active, options_.rules.get());
}

// The open slot to branch on, -1 when every slot reads a word. boundCost
// gets the least cost any fill below this node can have.
int FillSearch::pickSlot(long& boundCost) {
    int best = -1;
    double bestScore = 0;
    int filled = 0;
    boundCost = 0;
    for (int s = 0; s < propagator_.slotCount(); ++s) {
        const uint32_t size = propagator_.domain(s).size();
        if (size <= 1) {
            ++filled;
            if (bestCost_ >= 0) boundCost += slotCost(s);
            continue;
        }
        ++boundCost;
        const double score = double(size) / weight_[size_t(s)];
        if (best < 0 || score < bestScore) {
            best = s;
            bestScore = score;
        }
    }
    progress_.slotsFilled = filled;
    progress_.bestDepth = std::max(progress_.bestDepth, filled);
    return best;
}

FillSearch::Step FillSearch::dfs() {
    if (interrupted()) return Step::Abort;
    long boundCost = 0;
    const int slot = pickSlot(boundCost);
    if (bestCost_ >= 0 && boundCost >= bestCost_) return Step::Exhausted;
    if (slot < 0) return Step::Found;
    for (const uint32_t word : orderedWords(graph_, propagator_, slot, options_.active, options_.rules.get(), SCORED_WORDS, &rng_)) {
        propagator_.pushLevel();
        if (propagator_.assign(slot, word)) {
            const Step step = dfs();
            if (step != Step::Exhausted) return step;
        } else {
            if (propagator_.stopped()) return Step::Abort;
            if (propagator_.failedSlot() >= 0) weight_[size_t(propagator_.failedSlot())] += 1;
        }
        propagator_.popLevel();
        ++totalFails_;
        if (++fails_ > failLimit_ || interrupted()) return Step::Abort;
    }
    return Step::Exhausted;
}

void FillSearch::unwind() {
    while (propagator_.level() > 0) propagator_.popLevel();
}

FillOutcome FillSearch::run(std::vector<uint32_t>& words) {
    failLimit_ = FIRST_FAIL_LIMIT;
    for (;;) {
        fails_ = 0;
        const Step step = dfs();
        if (step == Step::Found) {
            words.clear();
            for (int s = 0; s < propagator_.slotCount(); ++s) words.push_back(propagator_.domain(s).first());
            long cost = 0;
            for (int s = 0; s < propagator_.slotCount(); ++s) cost += slotCost(s);
            bestCost_ = cost;
        }
        unwind();
        if (step == Step::Found && !options_.improve) return FillOutcome::Filled;
        if (step == Step::Exhausted) return bestCost_ >= 0 ? FillOutcome::Filled : FillOutcome::NoFill;
        if (interrupted()) return bestCost_ >= 0 ? FillOutcome::Filled : FillOutcome::Stopped;
        if (step == Step::Abort) {
            ++progress_.restarts;
            failLimit_ = long(double(failLimit_) * FAIL_LIMIT_GROWTH);
        }
    }
}

}  // namespace quirvo
