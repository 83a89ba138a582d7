#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "core/fill/domain.h"
#include "core/fill/slot_graph.h"
#include "core/fill/word_rules.h"

namespace quirvo {

// Arc consistency over the slots of a grid: a slot keeps only the words
// whose letters every crossing slot can still put in the shared cells.
// With noRepeats, a slot left with one word takes that word away from the
// other slots, and with rules the other forms of its lemma too. Every
// change after pushLevel is undone by popLevel, so a search can try a word
// and take it back.
class Propagator {
public:
    Propagator(const SlotGraph& graph, std::vector<Domain> domains, bool noRepeats,
               const std::atomic<bool>* stop = nullptr, const WordRules* rules = nullptr);

    int slotCount() const { return int(domains_.size()); }
    const Domain& domain(int slot) const { return domains_[size_t(slot)]; }
    const std::vector<Domain>& domains() const { return domains_; }
    std::vector<Domain> takeDomains() { return std::move(domains_); }

    // Each call answers false when a slot is left without a word (or a
    // word would be read twice, or the stop flag was raised).
    bool propagateAll();
    // Keeps the words of a slot with allowed[p] letters at each position.
    bool restrictSlot(int slot, const uint32_t* allowed);
    bool assign(int slot, uint32_t word);

    void pushLevel();
    void popLevel();
    int level() const { return int(trailStarts_.size()); }

    int failedSlot() const { return failed_; }
    bool stopped() const { return stopped_; }

private:
    bool run();
    bool fail(int slot);
    void touch(int slot);
    void changedAt(int slot, uint64_t positions);
    bool claim(int slot);
    bool takeAway(int slot, int length, uint32_t word);
    bool settle(int slot);
    bool revise(int slot);

    struct Entry {
        int slot;
        int savedLevel;
        Domain::Saved saved;
    };

    const SlotGraph& graph_;
    std::vector<Domain> domains_;
    bool noRepeats_;
    const std::atomic<bool>* stop_;
    const WordRules* rules_;
    std::vector<std::vector<int>> slotsOfLength_;
    std::vector<int> queue_;
    size_t queueHead_ = 0;
    std::vector<char> queued_;
    std::vector<char> claimed_;
    std::vector<int> savedLevel_;
    std::vector<Entry> trail_;
    std::vector<int> claimTrail_;
    std::vector<std::pair<size_t, size_t>> trailStarts_;
    unsigned revisions_ = 0;
    int failed_ = -1;
    bool stopped_ = false;
};

}  // namespace quirvo
