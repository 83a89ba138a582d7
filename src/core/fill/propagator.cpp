#include "core/fill/propagator.h"

#include <bit>

namespace quirvo {

Propagator::Propagator(const SlotGraph& graph, std::vector<Domain> domains, bool noRepeats,
                       const std::atomic<bool>* stop, const WordRules* rules)
    : graph_(graph), domains_(std::move(domains)), noRepeats_(noRepeats), stop_(stop), rules_(rules) {
    const size_t n = domains_.size();
    queued_.assign(n, 0);
    claimed_.assign(n, 0);
    savedLevel_.assign(n, 0);
    slotsOfLength_.resize(WordTable::MAX_LENGTH + 1);
    for (size_t s = 0; s < n; ++s) slotsOfLength_[size_t(domains_[s].length())].push_back(int(s));
}

bool Propagator::fail(int slot) {
    failed_ = slot;
    for (size_t i = queueHead_; i < queue_.size(); ++i) queued_[size_t(queue_[i])] = 0;
    queue_.clear();
    queueHead_ = 0;
    return false;
}

void Propagator::touch(int slot) {
    const int level = this->level();
    if (savedLevel_[size_t(slot)] >= level) return;
    trail_.push_back({slot, savedLevel_[size_t(slot)], domains_[size_t(slot)].save()});
    savedLevel_[size_t(slot)] = level;
}

void Propagator::changedAt(int slot, uint64_t positions) {
    const auto& crossings = graph_.crossings[size_t(slot)];
    for (; positions; positions &= positions - 1) {
        const int other = crossings[size_t(std::countr_zero(positions))].slot;
        if (other < 0 || queued_[size_t(other)]) continue;
        queued_[size_t(other)] = 1;
        queue_.push_back(other);
    }
}

// A slot left with one word reads it: no other slot may read it too, nor
// another form of its lemma.
bool Propagator::claim(int slot) {
    claimed_[size_t(slot)] = 1;
    claimTrail_.push_back(slot);
    const Domain& mine = domains_[size_t(slot)];
    const int length = mine.length();
    const uint32_t word = mine.first();
    if (!takeAway(slot, length, word)) return false;
    if (!rules_) return true;
    const WordRef self{uint8_t(length), word};
    for (const WordRef& form : rules_->lemmaForms(length, word))
        if (!(form == self) && !takeAway(slot, form.length, form.index)) return false;
    return true;
}

// Drops a word from every slot of its length but the claiming one.
bool Propagator::takeAway(int slot, int length, uint32_t word) {
    if (size_t(length) >= slotsOfLength_.size()) return true;
    for (const int other : slotsOfLength_[size_t(length)]) {
        if (other == slot || !domains_[size_t(other)].contains(word)) continue;
        if (domains_[size_t(other)].size() == 1) return fail(other);
        touch(other);
        changedAt(other, domains_[size_t(other)].remove(word));
        if (!settle(other)) return false;
    }
    return true;
}

// What follows a slot's change: failure when it is empty, a claim when it
// has come down to one word.
bool Propagator::settle(int slot) {
    const Domain& d = domains_[size_t(slot)];
    if (d.size() == 0) return fail(slot);
    if (noRepeats_ && d.size() == 1 && !claimed_[size_t(slot)]) return claim(slot);
    return true;
}

bool Propagator::revise(int slot) {
    uint32_t allowed[WordTable::MAX_LENGTH];
    const Domain& d = domains_[size_t(slot)];
    bool narrower = false;
    for (int p = 0; p < d.length(); ++p) {
        const SlotGraph::Link& link = graph_.crossings[size_t(slot)][size_t(p)];
        allowed[p] = link.slot < 0 ? ALL_LETTERS : domains_[size_t(link.slot)].letters(link.position);
        narrower |= (d.letters(p) & ~allowed[p]) != 0;
    }
    if (!narrower) return true;
    const uint32_t before = d.size();
    touch(slot);
    changedAt(slot, domains_[size_t(slot)].restrict(allowed));
    return d.size() == before || settle(slot);
}

bool Propagator::run() {
    while (queueHead_ < queue_.size()) {
        const int slot = queue_[queueHead_++];
        queued_[size_t(slot)] = 0;
        if (stop_ && revisions_++ % 32 == 0 && stop_->load(std::memory_order_relaxed)) {
            stopped_ = true;
            return fail(-1);
        }
        if (!revise(slot)) return false;
    }
    queue_.clear();
    queueHead_ = 0;
    return true;
}

bool Propagator::propagateAll() {
    for (int s = 0; s < slotCount(); ++s) {
        if (!settle(s)) return false;
        if (!queued_[size_t(s)]) {
            queued_[size_t(s)] = 1;
            queue_.push_back(s);
        }
    }
    return run();
}

bool Propagator::restrictSlot(int slot, const uint32_t* allowed) {
    const uint32_t before = domains_[size_t(slot)].size();
    touch(slot);
    changedAt(slot, domains_[size_t(slot)].restrict(allowed));
    if (domains_[size_t(slot)].size() != before && !settle(slot)) return false;
    return run();
}

bool Propagator::assign(int slot, uint32_t word) {
    uint32_t allowed[WordTable::MAX_LENGTH];
    const Domain& d = domains_[size_t(slot)];
    for (int p = 0; p < d.length(); ++p) allowed[p] = 1u << d.table().letter(d.length(), word, p);
    return restrictSlot(slot, allowed);
}

void Propagator::pushLevel() { trailStarts_.emplace_back(trail_.size(), claimTrail_.size()); }

void Propagator::popLevel() {
    const auto [entries, claims] = trailStarts_.back();
    trailStarts_.pop_back();
    while (trail_.size() > entries) {
        Entry& e = trail_.back();
        domains_[size_t(e.slot)].restore(std::move(e.saved));
        savedLevel_[size_t(e.slot)] = e.savedLevel;
        trail_.pop_back();
    }
    while (claimTrail_.size() > claims) {
        claimed_[size_t(claimTrail_.back())] = 0;
        claimTrail_.pop_back();
    }
}

}  // namespace quirvo
