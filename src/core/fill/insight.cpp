#include "core/fill/insight.h"

#include <bit>
#include <string>
#include <unordered_map>

#include "core/dictionary/candidates.h"
#include "core/fill/propagator.h"
#include "core/grid/cell_codes.h"

namespace quirvo {

// What Insight keeps between checks: the candidates of every pattern met
// lately, and the grid and fixpoint of the last consistent check.
class InsightCache {
public:
    static constexpr size_t PATTERNS_KEPT = 4096;

    InsightCache(const WordTable& table, DictMask active) : table_(table), active_(active) {}
    InsightReport check(const Grid& grid, const std::atomic<bool>* stop);

private:
    const Domain& initial(const std::string& pattern);
    bool onlyGainedLetters(const Grid& grid, const SlotGraph& graph) const;
    bool propagateOn(Propagator& propagator, const SlotGraph& graph, const Grid& grid) const;
    void report(const Grid& grid, const SlotGraph& graph, const Propagator& propagator, InsightReport& out) const;

    const WordTable& table_;
    DictMask active_;
    std::unordered_map<std::string, Domain> byPattern_;
    Grid lastGrid_;
    std::vector<Slot> lastSlots_;
    std::vector<Domain> lastFixpoint_;
};

const Domain& InsightCache::initial(const std::string& pattern) {
    auto it = byPattern_.find(pattern);
    if (it != byPattern_.end()) return it->second;
    if (byPattern_.size() >= PATTERNS_KEPT) byPattern_.clear();
    const int length = int(pattern.size());
    return byPattern_.emplace(pattern, Domain(table_, length, candidateBits(table_, pattern, active_))).first->second;
}

// True when the grid is the last consistent one with some empty cells
// lettered: its fixpoint then lies within the last one.
bool InsightCache::onlyGainedLetters(const Grid& grid, const SlotGraph& graph) const {
    if (lastFixpoint_.empty() || graph.slots != lastSlots_ || grid.rowCount != lastGrid_.rowCount ||
        grid.colCount != lastGrid_.colCount)
        return false;
    for (int r = 0; r < grid.rowCount; ++r)
        for (int c = 0; c < grid.colCount; ++c) {
            const char before = lastGrid_.cell(r, c), now = grid.cell(r, c);
            if (before != now && !(before == EMPTY_CELL && now >= 'A' && now <= 'Z')) return false;
        }
    return true;
}

bool InsightCache::propagateOn(Propagator& propagator, const SlotGraph& graph, const Grid& grid) const {
    uint32_t allowed[WordTable::MAX_LENGTH];
    for (size_t s = 0; s < graph.slots.size(); ++s) {
        const Slot& slot = graph.slots[s];
        bool changed = false;
        for (int i = 0; i < slot.length; ++i) {
            const char now = grid.cell(slot.rowOf(i), slot.colOf(i));
            const bool gained = now != lastGrid_.cell(slot.rowOf(i), slot.colOf(i));
            allowed[i] = gained ? 1u << (now - 'A') : ALL_LETTERS;
            changed |= gained;
        }
        if (changed && !propagator.restrictSlot(int(s), allowed)) return false;
    }
    return true;
}

InsightReport InsightCache::check(const Grid& grid, const std::atomic<bool>* stop) {
    const SlotGraph graph = slotGraph(grid);
    InsightReport out;
    std::vector<Domain> domains;
    domains.reserve(graph.slots.size());
    for (const Slot& slot : graph.slots) {
        const Domain& d = initial(slot.pattern(grid));
        out.slots.push_back({slot, d.size(), 0});
        domains.push_back(d);
    }
    out.options.assign(graph.cells.size(), 0);
    for (size_t cell = 0; cell < graph.cells.size(); ++cell) {
        if (grid.isBlack(int(cell) / graph.cols, int(cell) % graph.cols)) continue;
        uint32_t options = ALL_LETTERS;
        for (const SlotGraph::Link& link : graph.cells[cell])
            if (link.slot >= 0) options &= domains[size_t(link.slot)].letters(link.position);
        out.options[cell] = options;
    }
    const bool incremental = onlyGainedLetters(grid, graph);
    Propagator propagator(graph, incremental ? std::move(lastFixpoint_) : std::move(domains), false, stop);
    lastFixpoint_.clear();
    const bool ok = incremental ? propagateOn(propagator, graph, grid) : propagator.propagateAll();
    out.stopped = propagator.stopped();
    out.consistent = ok;
    report(grid, graph, propagator, out);
    if (ok) {
        lastGrid_ = grid;
        lastSlots_ = graph.slots;
        lastFixpoint_ = propagator.takeDomains();
    }
    return out;
}

void InsightCache::report(const Grid& grid, const SlotGraph& graph, const Propagator& propagator,
                          InsightReport& out) const {
    for (size_t s = 0; s < out.slots.size(); ++s) out.slots[s].remaining = propagator.domain(int(s)).size();
    out.remaining.assign(graph.cells.size(), 0);
    for (size_t cell = 0; cell < graph.cells.size(); ++cell) {
        const int r = int(cell) / graph.cols, c = int(cell) % graph.cols;
        if (grid.isBlack(r, c)) continue;
        uint32_t letters = ALL_LETTERS;
        for (const SlotGraph::Link& link : graph.cells[cell])
            if (link.slot >= 0) letters &= propagator.domain(link.slot).letters(link.position);
        out.remaining[cell] = letters;
        if (!graph.inSlot(int(cell))) continue;
        if (out.options[cell] == 0) out.dead.push_back({int16_t(r), int16_t(c), 0});
        const bool empty = !(grid.cell(r, c) >= 'A' && grid.cell(r, c) <= 'Z');
        if (out.consistent && empty && std::popcount(letters) == 1)
            out.forced.push_back({int16_t(r), int16_t(c), char('A' + std::countr_zero(letters))});
    }
}

Insight::Insight(const WordTable& table, DictMask active) : cache_(std::make_unique<InsightCache>(table, active)) {}
Insight::~Insight() = default;
Insight::Insight(Insight&&) noexcept = default;
Insight& Insight::operator=(Insight&&) noexcept = default;

InsightReport Insight::check(const Grid& grid, const std::atomic<bool>* stop) { return cache_->check(grid, stop); }

InsightReport insight(const WordTable& table, DictMask active, const Grid& grid, const std::atomic<bool>* stop) {
    return InsightCache(table, active).check(grid, stop);
}

}  // namespace quirvo
