#include "core/schema/schema_pool.h"

#include <algorithm>

namespace quirvo {

namespace {

bool sameBlackCells(const Grid& a, const Grid& b) {
    for (int r = 0; r < a.rowCount; ++r)
        for (int c = 0; c < a.colCount; ++c)
            if (a.isBlack(r, c) != b.isBlack(r, c)) return false;
    return true;
}

bool better(const Schema& a, const Schema& b) { return a.black != b.black ? a.black < b.black : a.cost < b.cost; }

}  // namespace

bool SchemaPool::offer(const Schema& schema) {
    const auto twin = std::find_if(best_.begin(), best_.end(), [&](const Schema& s) { return sameBlackCells(s.grid, schema.grid); });
    if (twin != best_.end()) {
        if (!better(schema, *twin)) return false;
        best_.erase(twin);
    } else if (best_.size() == capacity_ && !better(schema, best_.back())) {
        return false;
    }
    best_.insert(std::upper_bound(best_.begin(), best_.end(), schema, [](const Schema& a, const Schema& b) { return better(a, b); }), schema);
    if (best_.size() > capacity_) best_.pop_back();
    return true;
}

}  // namespace quirvo
