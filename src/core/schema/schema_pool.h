#pragma once

#include <vector>

#include "core/schema/schema_options.h"

namespace quirvo {

// The best few schemas found so far, no two with nearly the same black
// cells: fewer black cells first, then the lower cost, then the earlier
// found.
class SchemaPool {
public:
    explicit SchemaPool(int capacity) : capacity_(capacity < 1 ? 1 : size_t(capacity)) {}

    // Takes a schema that is among the best so far; of schemas with nearly
    // the same black cells it keeps the best. Whether the schema was taken.
    bool offer(const Schema& schema);
    const std::vector<Schema>& best() const { return best_; }

private:
    size_t capacity_;
    std::vector<Schema> best_;
};

}  // namespace quirvo
