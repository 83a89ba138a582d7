#include "core/schema/pattern_maker.h"

#include <algorithm>
#include <vector>

#include "core/grid/cell_codes.h"
#include "core/grid/slot.h"

namespace quirvo {

namespace {

void blacken(Grid& grid, Symmetry symmetry, int row, int col) {
    const auto [pr, pc] = partnerCell(grid, symmetry, row, col);
    grid.setCell(row, col, BLACK_CELL);
    grid.setCell(pr, pc, BLACK_CELL);
}

// The runs of white cells longer than maxRun, across and down.
std::vector<Slot> longRuns(const Grid& grid, int maxRun) {
    std::vector<Slot> runs;
    for (const Slot& slot : slotsOf(grid))
        if (slot.length > maxRun) runs.push_back(slot);
    return runs;
}

// Whether the white cells next to the new black cells still lie in slots
// and all the white cells are still connected.
bool keepsShape(const Grid& grid, const std::vector<std::pair<int, int>>& blackened) {
    for (const auto& [row, col] : blackened)
        for (const auto& [dr, dc] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            if (grid.inside(row + dr, col + dc) && !grid.isBlack(row + dr, col + dc) && !inSlot(grid, row + dr, col + dc))
                return false;
    return whiteCellsConnected(grid);
}

// Puts a black cell (with its partner) into a run where the pattern keeps
// its shape: where both pieces keep two cells or more if it can. False
// when no cell of the run will do.
bool breakRun(Grid& grid, const Grid& base, Symmetry symmetry, const Slot& run, std::mt19937_64& rng) {
    std::vector<int> even, other;
    for (int i = 0; i < run.length; ++i)
        if (mayBlacken(grid, base, symmetry, run.rowOf(i), run.colOf(i)))
            (i >= 2 && run.length - 1 - i >= 2 ? even : other).push_back(i);
    std::shuffle(even.begin(), even.end(), rng);
    std::shuffle(other.begin(), other.end(), rng);
    even.insert(even.end(), other.begin(), other.end());
    for (const int i : even) {
        Grid trial = grid;
        const auto [pr, pc] = partnerCell(grid, symmetry, run.rowOf(i), run.colOf(i));
        blacken(trial, symmetry, run.rowOf(i), run.colOf(i));
        if (!keepsShape(trial, {{run.rowOf(i), run.colOf(i)}, {pr, pc}})) continue;
        grid = std::move(trial);
        return true;
    }
    return false;
}

}  // namespace

std::optional<Grid> schemaBase(const Grid& start, Symmetry symmetry) {
    Grid base = start;
    for (int r = 0; r < base.rowCount; ++r)
        for (int c = 0; c < base.colCount; ++c) {
            const char code = start.cell(r, c);
            if (code == ALT_BLACK_CELL) base.setCell(r, c, BLACK_CELL);
            else if (code != BLACK_CELL && !isLetterCode(code)) base.setCell(r, c, EMPTY_CELL);
        }
    for (int r = 0; r < base.rowCount; ++r)
        for (int c = 0; c < base.colCount; ++c) {
            if (!base.isBlack(r, c)) continue;
            const auto [pr, pc] = partnerCell(base, symmetry, r, c);
            if (isLetterCode(base.cell(pr, pc))) return std::nullopt;
            base.setCell(pr, pc, BLACK_CELL);
        }
    return base;
}

bool mayBlacken(const Grid& grid, const Grid& base, Symmetry symmetry, int row, int col) {
    // Plain variables, not a structured binding: clang 14 cannot capture one in a lambda.
    const std::pair<int, int> partner = partnerCell(grid, symmetry, row, col);
    const int pr = partner.first, pc = partner.second;
    if (base.cell(row, col) != EMPTY_CELL || base.cell(pr, pc) != EMPTY_CELL || grid.isBlack(row, col)) return false;
    const auto black = [&](int r, int c) { return (r == row && c == col) || (r == pr && c == pc) || grid.isBlack(r, c); };
    for (const auto& [r0, c0] : {std::pair{row, col}, {pr, pc}})
        for (int r = r0 - 1; r <= r0; ++r)
            for (int c = c0 - 1; c <= c0; ++c)
                if (grid.inside(r, c) && grid.inside(r + 1, c + 1) && black(r, c) && black(r + 1, c) &&
                    black(r, c + 1) && black(r + 1, c + 1))
                    return false;
    return true;
}

std::optional<Grid> randomPattern(const Grid& base, Symmetry symmetry, int maxRun, std::mt19937_64& rng) {
    Grid grid = base;
    std::vector<Slot> unbreakable;
    for (;;) {
        std::vector<Slot> runs = longRuns(grid, maxRun);
        std::erase_if(runs, [&](const Slot& run) { return std::find(unbreakable.begin(), unbreakable.end(), run) != unbreakable.end(); });
        if (runs.empty()) break;
        const Slot run = runs[rng() % runs.size()];
        if (!breakRun(grid, base, symmetry, run, rng)) unbreakable.push_back(run);
    }
    if (!structureFault(grid, symmetry).empty()) return std::nullopt;
    return grid;
}

}  // namespace quirvo
