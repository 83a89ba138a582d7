#include "core/fill/insight.h"

#include <algorithm>
#include <bit>
#include <deque>
#include <string>
#include <unordered_map>

#include "core/fill/propagator.h"
#include "core/fill/slot_domains.h"
#include "core/grid/cell_codes.h"

namespace quirvo {

// What Insight keeps between checks: the candidates of every pattern met
// lately, and the fixpoints of the last few consistent grids, so that a
// letter typed, or one taken back again, propagates from a fixpoint met
// before instead of from the start.
class InsightCache {
public:
    static constexpr size_t PATTERNS_KEPT = 4096;
    static constexpr size_t FIXPOINTS_KEPT = 4;

    InsightCache(const WordTable& table, DictMask active, std::shared_ptr<const WordRules> rules)
        : table_(table), active_(active), rules_(std::move(rules)) {}
    InsightReport check(const Grid& grid, const std::atomic<bool>* stop);

private:
    struct Fixpoint {
        Grid grid;
        std::vector<Slot> slots;
        std::vector<Domain> domains;
    };

    const Domain& initial(const std::string& pattern);
    int closestBelow(const Grid& grid, const SlotGraph& graph) const;
    static bool propagateOn(Propagator& propagator, const SlotGraph& graph, const Grid& grid, const Grid& before);
    void report(const Grid& grid, const SlotGraph& graph, const std::vector<Domain>& domains, InsightReport& out) const;

    const WordTable& table_;
    DictMask active_;
    std::shared_ptr<const WordRules> rules_;
    std::unordered_map<std::string, Domain> byPattern_;
    std::deque<Fixpoint> recent_;  // newest first
};

const Domain& InsightCache::initial(const std::string& pattern) {
    auto it = byPattern_.find(pattern);
    if (it != byPattern_.end()) return it->second;
    return byPattern_.emplace(pattern, patternDomain(table_, pattern, active_, rules_.get())).first->second;
}

namespace {

// How many empty cells of `before` the grid letters, -1 when it differs
// from it in any other way: its fixpoint then lies within before's.
int gainedLetters(const Grid& before, const std::vector<Slot>& beforeSlots, const Grid& grid, const SlotGraph& graph) {
    if (graph.slots != beforeSlots || grid.rowCount != before.rowCount || grid.colCount != before.colCount) return -1;
    int gained = 0;
    for (int r = 0; r < grid.rowCount; ++r)
        for (int c = 0; c < grid.colCount; ++c) {
            const char was = before.cell(r, c), now = grid.cell(r, c);
            if (was == now) continue;
            if (was != EMPTY_CELL || !isLetterCode(now)) return -1;
            ++gained;
        }
    return gained;
}

}  // namespace

// The remembered fixpoint the grid adds fewest letters to, -1 for none.
int InsightCache::closestBelow(const Grid& grid, const SlotGraph& graph) const {
    int best = -1, fewest = 0;
    for (size_t i = 0; i < recent_.size(); ++i) {
        const int gained = gainedLetters(recent_[i].grid, recent_[i].slots, grid, graph);
        if (gained >= 0 && (best < 0 || gained < fewest)) best = int(i), fewest = gained;
    }
    return best;
}

bool InsightCache::propagateOn(Propagator& propagator, const SlotGraph& graph, const Grid& grid, const Grid& before) {
    uint32_t allowed[WordTable::MAX_LENGTH];
    for (size_t s = 0; s < graph.slots.size(); ++s) {
        const Slot& slot = graph.slots[s];
        bool changed = false;
        for (int i = 0; i < slot.length; ++i) {
            const char now = grid.cell(slot.rowOf(i), slot.colOf(i));
            const bool gained = now != before.cell(slot.rowOf(i), slot.colOf(i));
            allowed[i] = gained ? 1u << (now - 'A') : ALL_LETTERS;
            changed |= gained;
        }
        if (changed && !propagator.restrictSlot(int(s), allowed)) return false;
    }
    return true;
}

InsightReport InsightCache::check(const Grid& grid, const std::atomic<bool>* stop) {
    const SlotGraph graph = slotGraph(grid);
    if (byPattern_.size() + graph.slots.size() > PATTERNS_KEPT) byPattern_.clear();
    InsightReport out;
    std::vector<const Domain*> initials;
    for (const Slot& slot : graph.slots) {
        initials.push_back(&initial(slot.pattern(grid)));
        out.slots.push_back({slot, initials.back()->size(), 0});
    }
    out.options.assign(graph.cells.size(), 0);
    for (size_t cell = 0; cell < graph.cells.size(); ++cell) {
        if (grid.isBlack(int(cell) / graph.cols, int(cell) % graph.cols)) continue;
        uint32_t options = ALL_LETTERS;
        for (const SlotGraph::Link& link : graph.cells[cell])
            if (link.slot >= 0) options &= initials[size_t(link.slot)]->letters(link.position);
        out.options[cell] = options;
    }
    const Fixpoint* base = nullptr;
    if (const int below = closestBelow(grid, graph); below >= 0) {
        // The one used moves to the front: the least recently used is forgotten first.
        std::rotate(recent_.begin(), recent_.begin() + below, recent_.begin() + below + 1);
        base = &recent_.front();
    }
    if (base && base->grid.gridRows == grid.gridRows) {
        out.consistent = true;
        report(grid, graph, base->domains, out);
        return out;
    }
    std::vector<Domain> start;
    if (base) start = base->domains;
    else
        for (const Domain* d : initials) start.push_back(*d);
    Propagator propagator(graph, std::move(start), false, stop);
    const bool ok = base ? propagateOn(propagator, graph, grid, base->grid) : propagator.propagateAll();
    out.stopped = propagator.stopped();
    out.consistent = ok;
    report(grid, graph, propagator.domains(), out);
    if (ok) {
        recent_.push_front({grid, graph.slots, propagator.takeDomains()});
        if (recent_.size() > FIXPOINTS_KEPT) recent_.pop_back();
    }
    return out;
}

void InsightCache::report(const Grid& grid, const SlotGraph& graph, const std::vector<Domain>& domains,
                          InsightReport& out) const {
    for (size_t s = 0; s < out.slots.size(); ++s) out.slots[s].remaining = domains[s].size();
    out.remaining.assign(graph.cells.size(), 0);
    for (size_t cell = 0; cell < graph.cells.size(); ++cell) {
        const int r = int(cell) / graph.cols, c = int(cell) % graph.cols;
        if (grid.isBlack(r, c)) continue;
        uint32_t letters = ALL_LETTERS;
        for (const SlotGraph::Link& link : graph.cells[cell])
            if (link.slot >= 0) letters &= domains[size_t(link.slot)].letters(link.position);
        out.remaining[cell] = letters;
        if (!graph.inSlot(int(cell))) continue;
        if (out.options[cell] == 0) out.dead.push_back({int16_t(r), int16_t(c), 0});
        const bool empty = !(grid.cell(r, c) >= 'A' && grid.cell(r, c) <= 'Z');
        if (out.consistent && empty && std::popcount(letters) == 1)
            out.forced.push_back({int16_t(r), int16_t(c), char('A' + std::countr_zero(letters))});
    }
}

Insight::Insight(const WordTable& table, DictMask active, std::shared_ptr<const WordRules> rules)
    : cache_(std::make_unique<InsightCache>(table, active, std::move(rules))) {}
Insight::~Insight() = default;
Insight::Insight(Insight&&) noexcept = default;
Insight& Insight::operator=(Insight&&) noexcept = default;

InsightReport Insight::check(const Grid& grid, const std::atomic<bool>* stop) { return cache_->check(grid, stop); }

InsightReport insight(const WordTable& table, DictMask active, const Grid& grid, const std::atomic<bool>* stop,
                      std::shared_ptr<const WordRules> rules) {
    return InsightCache(table, active, std::move(rules)).check(grid, stop);
}

}  // namespace quirvo
