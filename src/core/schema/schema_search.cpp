#include "core/schema/schema_search.h"

#include <algorithm>

#include "core/common/deadline.h"
#include "core/fill/fill.h"
#include "core/grid/cell_codes.h"
#include "core/grid/slot.h"
#include "core/schema/pattern_maker.h"

namespace quirvo {

namespace {

constexpr auto REPORT_EVERY = std::chrono::milliseconds(100);
// Failed tries the fill engine may spend on a first schema and on a move.
constexpr long FIRST_FAILURES = 4000;
constexpr long MOVE_FAILURES = 100;
// The longest run a first pattern leaves (shorter than the grid's side),
// and how it shrinks as first patterns fail to fill.
constexpr int FIRST_MAX_RUN = 8;
constexpr int MIN_MAX_RUN = 3;
constexpr int FIRST_TRIES_PER_STEP = 3;
// How far around the runs through a changed cell the letters may be
// cleared; each move takes a reach up to this at random.
constexpr int MAX_REACH = 3;
// The share of moves, in percent, that shift a black cell or look for
// cheaper words rather than take a black cell away, and how many black
// cells compete to be taken away.
constexpr int SHIFT_PERCENT = 20;
constexpr int POLISH_PERCENT = 10;
constexpr int TOURNAMENT = 3;
// After this many attempts without a black cell less, the search starts
// again from a new first schema (the best found stay in the pool).
constexpr long STALL_ATTEMPTS = 1500;

}  // namespace

SchemaSearch::SchemaSearch(const WordTable& table, const Grid& base, const SchemaOptions& options,
                           Clock::time_point began)
    : table_(table),
      base_(base),
      options_(options),
      began_(began),
      deadline_(deadlineAfter(began, options.seconds)),
      nextReport_(began + REPORT_EVERY),
      rng_(options.seed),
      budget_(blackBudget(base.rowCount, base.colCount, options.maxBlackShare)),
      pool_(options.count) {}

bool SchemaSearch::interrupted() {
    if (stopped_ || finished_) return true;
    if (options_.stop && options_.stop->load(std::memory_order_relaxed)) return stopped_ = true;
    if (options_.attempts > 0 && progress_.attempts >= options_.attempts) return stopped_ = true;
    const Clock::time_point now = Clock::now();
    if (now >= deadline_) return stopped_ = true;
    if (options_.progress && now >= nextReport_) {
        nextReport_ = now + REPORT_EVERY;
        report();
    }
    return false;
}

void SchemaSearch::report() {
    progress_.seconds = std::chrono::duration<double>(Clock::now() - began_).count();
    progress_.bestBlack = pool_.best().empty() ? -1 : pool_.best().front().black;
    if (options_.progress) options_.progress(progress_);
}

std::optional<Schema> SchemaSearch::refill(const Grid& pattern, long failures, bool improve) {
    ++progress_.attempts;
    ++sinceFewer_;
    FillOptions fillOptions;
    fillOptions.active = options_.active;
    fillOptions.rules = options_.rules;
    fillOptions.stop = options_.stop;
    fillOptions.seed = rng_();
    fillOptions.failureLimit = failures;
    fillOptions.improve = improve;
    fillOptions.seconds = std::max(0.0, std::chrono::duration<double>(deadline_ - Clock::now()).count());
    const FillResult filled = fill(table_, pattern, fillOptions);
    if (filled.outcome != FillOutcome::Filled) return std::nullopt;
    return Schema{filled.grid, blackCount(filled.grid), filled.report.totalCost};
}

void SchemaSearch::settle(const Schema& schema) {
    if (!current_ || schema.black < current_->black) sinceFewer_ = 0;
    current_ = schema;
    if (schema.black > budget_) return;
    if (firstSeconds_ < 0) firstSeconds_ = std::chrono::duration<double>(Clock::now() - began_).count();
    pool_.offer(schema);
}

void SchemaSearch::tryFirst() {
    const int longest = std::max(base_.rowCount, base_.colCount);
    const int maxRun = std::max(MIN_MAX_RUN, std::min(FIRST_MAX_RUN, longest - 1) - firstTries_++ / FIRST_TRIES_PER_STEP);
    const std::optional<Grid> pattern = randomPattern(base_, options_.symmetry, maxRun, rng_);
    if (!pattern) {
        ++progress_.attempts;
        return;
    }
    if (std::optional<Schema> schema = refill(*pattern, FIRST_FAILURES)) settle(*schema);
}

// The black cells a move may whiten: not the start's, one of each pair of
// partners.
std::vector<SchemaSearch::Cell> SchemaSearch::movableBlacks() const {
    std::vector<Cell> blacks;
    const Grid& grid = current_->grid;
    for (int r = 0; r < grid.rowCount; ++r)
        for (int c = 0; c < grid.colCount; ++c) {
            const Cell partner = partnerCell(grid, options_.symmetry, r, c);
            if (grid.isBlack(r, c) && !base_.isBlack(r, c) && Cell{r, c} <= partner) blacks.push_back({r, c});
        }
    return blacks;
}

// Black cells whose whitening makes shorter runs come first, with a little
// chance mixed in.
std::vector<SchemaSearch::Cell> SchemaSearch::easiestFirst(std::vector<Cell> blacks) {
    std::vector<std::pair<double, Cell>> ranked;
    Grid grid = current_->grid;
    std::uniform_real_distribution<double> noise(0.0, 4.0);
    for (const Cell& black : blacks) {
        grid.setCell(black.first, black.second, EMPTY_CELL);
        double length = 0;
        for (const Direction d : {Direction::Across, Direction::Down})
            length += runAt(grid, black.first, black.second, d)->length;
        grid.setCell(black.first, black.second, BLACK_CELL);
        ranked.push_back({length + noise(rng_), black});
    }
    std::sort(ranked.begin(), ranked.end());
    for (size_t i = 0; i < ranked.size(); ++i) blacks[i] = ranked[i].second;
    return blacks;
}

// The grid with the letters it does not keep from the start cleared
// around the runs through the changed cells.
Grid SchemaSearch::cleared(Grid grid, const std::vector<Cell>& changed, int reach) const {
    std::vector<char> near(size_t(grid.rowCount * grid.colCount), 0);
    const auto mark = [&](int row, int col) {
        for (int r = row - reach; r <= row + reach; ++r)
            for (int c = col - reach; c <= col + reach; ++c)
                if (grid.inside(r, c)) near[size_t(r * grid.colCount + c)] = 1;
    };
    for (const auto& [row, col] : changed) {
        mark(row, col);
        for (const Direction d : {Direction::Across, Direction::Down})
            if (const std::optional<Slot> run = runAt(grid, row, col, d))
                for (int i = 0; i < run->length; ++i) mark(run->rowOf(i), run->colOf(i));
    }
    for (int r = 0; r < grid.rowCount; ++r)
        for (int c = 0; c < grid.colCount; ++c)
            if (near[size_t(r * grid.colCount + c)] && isLetterCode(grid.cell(r, c)) && !isLetterCode(base_.cell(r, c)))
                grid.setCell(r, c, EMPTY_CELL);
    return grid;
}

bool SchemaSearch::takeAway(Cell black, int reach) {
    Grid grid = current_->grid;
    const Cell partner = partnerCell(grid, options_.symmetry, black.first, black.second);
    grid.setCell(black.first, black.second, EMPTY_CELL);
    grid.setCell(partner.first, partner.second, EMPTY_CELL);
    if (!inSlot(grid, black.first, black.second) || !inSlot(grid, partner.first, partner.second)) return false;
    const std::optional<Schema> schema = refill(cleared(grid, {black, partner}, reach), MOVE_FAILURES);
    if (schema) settle(*schema);
    return schema.has_value();
}

// Moves a black cell to another cell of the run it closes; the move
// stands when the pattern keeps the structure and fills.
void SchemaSearch::shift(Cell black, int reach) {
    Grid grid = current_->grid;
    const Cell partner = partnerCell(grid, options_.symmetry, black.first, black.second);
    grid.setCell(black.first, black.second, EMPTY_CELL);
    grid.setCell(partner.first, partner.second, EMPTY_CELL);
    const Direction direction = rng_() % 2 ? Direction::Across : Direction::Down;
    const Slot run = *runAt(grid, black.first, black.second, direction);
    std::vector<Cell> places;
    for (int i = 0; i < run.length; ++i)
        if (Cell{run.rowOf(i), run.colOf(i)} != black && mayBlacken(grid, base_, options_.symmetry, run.rowOf(i), run.colOf(i)))
            places.push_back({run.rowOf(i), run.colOf(i)});
    if (places.empty()) return;
    const Cell place = places[rng_() % places.size()];
    const Cell placePartner = partnerCell(grid, options_.symmetry, place.first, place.second);
    grid.setCell(place.first, place.second, BLACK_CELL);
    grid.setCell(placePartner.first, placePartner.second, BLACK_CELL);
    if (blackCount(grid) > current_->black || !structureFault(grid, options_.symmetry).empty()) return;
    if (const std::optional<Schema> schema = refill(cleared(grid, {black, partner, place, placePartner}, reach), MOVE_FAILURES))
        settle(*schema);
}

// Clears the letters around a white cell and fills them again as cheaply
// as the fill engine can within its budget; the new words stand when they
// cost less.
void SchemaSearch::polish(int reach) {
    const Grid& grid = current_->grid;
    std::vector<Cell> whites;
    for (int r = 0; r < grid.rowCount; ++r)
        for (int c = 0; c < grid.colCount; ++c)
            if (!grid.isBlack(r, c) && !isLetterCode(base_.cell(r, c))) whites.push_back({r, c});
    if (whites.empty()) return;
    const std::optional<Schema> schema = refill(cleared(grid, {whites[rng_() % whites.size()]}, reach), MOVE_FAILURES, true);
    if (schema && schema->cost < current_->cost) settle(*schema);
}

// One move on the current schema: mostly a black cell taken away (the
// easiest of a few drawn at random), sometimes one shifted, sometimes
// cheaper words looked for. False when no black cell is left to move.
bool SchemaSearch::improve() {
    const std::vector<Cell> blacks = movableBlacks();
    if (blacks.empty()) return false;
    const int reach = 1 + int(rng_() % MAX_REACH);
    const int roll = int(rng_() % 100);
    if (roll < POLISH_PERCENT) {
        polish(reach);
        return true;
    }
    if (roll < POLISH_PERCENT + SHIFT_PERCENT) {
        shift(blacks[rng_() % blacks.size()], reach);
        return true;
    }
    std::vector<Cell> entrants;
    for (int k = 0; k < TOURNAMENT; ++k) entrants.push_back(blacks[rng_() % blacks.size()]);
    takeAway(easiestFirst(entrants).front(), reach);
    return true;
}

SchemaResult SchemaSearch::run() {
    while (!interrupted()) {
        if (current_ && sinceFewer_ > STALL_ATTEMPTS) current_.reset();
        if (!current_) tryFirst();
        else finished_ = !improve();
    }
    SchemaResult result;
    result.schemas = pool_.best();
    result.outcome = result.schemas.empty() ? SchemaOutcome::Stopped : SchemaOutcome::Filled;
    result.firstSeconds = firstSeconds_;
    report();
    result.progress = progress_;
    result.seconds = progress_.seconds;
    return result;
}

}  // namespace quirvo
