#include "core/schema/schema_pool.h"

#include <algorithm>

namespace quirvo {

namespace {

// Schemas whose black cells differ in fewer cells than this are one
// proposal twice: a setter wants alternatives, not a black cell moved.
constexpr int MIN_DIFFERENT_CELLS = 4;

bool twins(const Grid& a, const Grid& b) {
    int different = 0;
    for (int r = 0; r < a.rowCount; ++r)
        for (int c = 0; c < a.colCount; ++c)
            if (a.isBlack(r, c) != b.isBlack(r, c) && ++different >= MIN_DIFFERENT_CELLS) return false;
    return true;
}

bool better(const Schema& a, const Schema& b) { return a.black != b.black ? a.black < b.black : a.cost < b.cost; }

}  // namespace

bool SchemaPool::offer(const Schema& schema) {
    bool twinKept = false;
    for (const Schema& kept : best_) {
        if (!twins(kept.grid, schema.grid)) continue;
        if (!better(schema, kept)) return false;
        twinKept = true;
    }
    if (!twinKept && best_.size() == capacity_ && !better(schema, best_.back())) return false;
    std::erase_if(best_, [&](const Schema& kept) { return twins(kept.grid, schema.grid); });
    best_.insert(std::upper_bound(best_.begin(), best_.end(), schema, better), schema);
    if (best_.size() > capacity_) best_.pop_back();
    return true;
}

}  // namespace quirvo
