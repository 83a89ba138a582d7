#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/grid/grid.h"

namespace quirvo {

enum class Direction : uint8_t { Across, Down };

// A word place of the grid: a run of cells that are not black, between
// black cells or the edges, named by its first cell. The word places proper
// (slotsOf, slotAt) are two or more cells long; runAt also gives a lone cell.
struct Slot {
    int16_t row = 0, col = 0;  // first cell
    Direction direction = Direction::Across;
    int16_t length = 0;

    int rowOf(int i) const { return direction == Direction::Down ? row + i : row; }
    int colOf(int i) const { return direction == Direction::Across ? col + i : col; }
    // The cell codes of the slot as they stand, '?' for an empty cell.
    std::string pattern(const Grid& grid) const;
    // The position of a cell within the slot, or -1 when the slot misses it.
    int indexOf(int r, int c) const;

    friend bool operator==(const Slot&, const Slot&) = default;
};

// Every slot: across in reading order, then down by column, then row.
std::vector<Slot> slotsOf(const Grid& grid);

// The run of open cells through a cell in one direction, of any length;
// none for a black cell or a cell outside the grid.
std::optional<Slot> runAt(const Grid& grid, int row, int col, Direction direction);

// The slot that runs through a cell in one direction: runAt when the run
// has two cells or more.
std::optional<Slot> slotAt(const Grid& grid, int row, int col, Direction direction);

}  // namespace quirvo
