#include "core/grid/slot.h"

#include "core/grid/cell_codes.h"

namespace quirvo {

namespace {

int rowStep(Direction d) { return d == Direction::Down ? 1 : 0; }
int colStep(Direction d) { return d == Direction::Across ? 1 : 0; }

bool open(const Grid& g, int r, int c) { return g.inside(r, c) && !g.isBlack(r, c); }

// The slot starting at (r, c) in direction d, if one starts there.
std::optional<Slot> slotFrom(const Grid& g, int r, int c, Direction d) {
    if (open(g, r - rowStep(d), c - colStep(d))) return std::nullopt;
    return slotAt(g, r, c, d);
}

}  // namespace

std::string Slot::pattern(const Grid& grid) const {
    std::string out(static_cast<size_t>(length), EMPTY_CELL);
    for (int i = 0; i < length; ++i) {
        const char code = grid.cell(rowOf(i), colOf(i));
        if (code != '\0' && code != ' ') out[static_cast<size_t>(i)] = code;
    }
    return out;
}

int Slot::indexOf(int r, int c) const {
    const int i = direction == Direction::Across ? c - col : r - row;
    const bool onLine = direction == Direction::Across ? r == row : c == col;
    return onLine && i >= 0 && i < length ? i : -1;
}

std::vector<Slot> slotsOf(const Grid& grid) {
    std::vector<Slot> slots;
    for (int r = 0; r < grid.rowCount; ++r)
        for (int c = 0; c < grid.colCount; ++c)
            if (auto s = slotFrom(grid, r, c, Direction::Across)) slots.push_back(*s);
    for (int c = 0; c < grid.colCount; ++c)
        for (int r = 0; r < grid.rowCount; ++r)
            if (auto s = slotFrom(grid, r, c, Direction::Down)) slots.push_back(*s);
    return slots;
}

std::optional<Slot> runAt(const Grid& grid, int row, int col, Direction direction) {
    if (!open(grid, row, col)) return std::nullopt;
    const int dr = rowStep(direction), dc = colStep(direction);
    while (open(grid, row - dr, col - dc)) {
        row -= dr;
        col -= dc;
    }
    int length = 0;
    while (open(grid, row + dr * length, col + dc * length)) ++length;
    return Slot{static_cast<int16_t>(row), static_cast<int16_t>(col), direction, static_cast<int16_t>(length)};
}

std::optional<Slot> slotAt(const Grid& grid, int row, int col, Direction direction) {
    std::optional<Slot> run = runAt(grid, row, col, direction);
    if (run && run->length < 2) run.reset();
    return run;
}

}  // namespace quirvo
