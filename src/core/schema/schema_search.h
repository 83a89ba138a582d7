#pragma once

#include <chrono>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "core/dictionary/word_table.h"
#include "core/schema/schema_options.h"
#include "core/schema/schema_pool.h"

namespace quirvo {

// The search behind generateSchema, a local search over filled schemas:
// a first schema from a random pattern filled by the fill engine, then
// moves that each whiten a black cell (or shift it along its row or
// column), clear the letters around it and let the fill engine fill them
// again; a move stands when the fill succeeds. Every schema met within the
// budget of black cells is offered to the pool.
class SchemaSearch {
public:
    using Clock = std::chrono::steady_clock;
    using Cell = std::pair<int, int>;

    // The base is the start as schemaBase gives it.
    SchemaSearch(const WordTable& table, const Grid& base, const SchemaOptions& options, Clock::time_point began);
    SchemaResult run();

private:
    bool interrupted();
    void report();
    std::optional<Schema> refill(const Grid& pattern, long failures, bool improve = false);
    void settle(const Schema& schema);
    void tryFirst();
    bool improve();
    bool takeAway(Cell black, int reach);
    void shift(Cell black, int reach);
    void polish(int reach);
    std::vector<Cell> movableBlacks() const;
    std::vector<Cell> easiestFirst(std::vector<Cell> blacks);
    Grid cleared(Grid grid, const std::vector<Cell>& changed, int reach) const;

    const WordTable& table_;
    const Grid& base_;
    const SchemaOptions& options_;
    Clock::time_point began_, deadline_, nextReport_;
    std::mt19937_64 rng_;
    int budget_ = 0;
    int firstTries_ = 0;
    long sinceFewer_ = 0;  // attempts since the current schema last lost a black cell
    std::optional<Schema> current_;
    SchemaPool pool_;
    SchemaProgress progress_;
    double firstSeconds_ = -1;
    bool stopped_ = false, finished_ = false;
};

}  // namespace quirvo
