#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/grid/grid.h"
#include "core/grid/slot.h"

namespace quirvo {

// Names a word place of the grid the way a definition remembers it: by its
// first cell and direction, which survive edits of its letters and length.
struct SlotKey {
    int16_t row = 0, col = 0;
    Direction direction = Direction::Across;

    static SlotKey of(const Slot& s) { return {s.row, s.col, s.direction}; }
    friend auto operator<=>(const SlotKey&, const SlotKey&) = default;
};

// One definition: the slot it belongs to, its letters as last seen in the
// grid ("C?SA") and its text (UTF-8). A draft is a text the program wrote
// for the setter, which stays a draft until the setter edits it.
struct Definition {
    SlotKey key;
    std::string letters;
    std::string text;
    bool draft = false;
    friend bool operator==(const Definition&, const Definition&) = default;
};

// The setter's definitions of one grid. A definition belongs to the slot
// that starts at its key; when an edit takes that slot away the definition
// becomes an orphan and is kept, and it returns to its place when a slot
// with no definition of its own starts there again (an undone edit, say).
class Definitions {
public:
    // The definition of a slot, or nullptr.
    const Definition* find(SlotKey key) const;
    // Writes the text of a slot of the grid; an empty text removes it.
    void set(const Grid& grid, const Slot& slot, std::string text, bool draft = false);
    // Replaces or, with an empty text, removes orphan i.
    void setOrphan(std::size_t i, std::string text);

    // Re-keys after the grid changed: letters follow the grid, definitions
    // whose slot went become orphans, orphans whose place is free return.
    // True when anything changed.
    bool follow(const Grid& grid);
    // Takes definitions as read from a file or an import: the first for each
    // slot of the grid is attached, the rest are orphans.
    void assign(const Grid& grid, std::vector<Definition> all);

    // Attached definitions in slot order, then the orphans.
    std::vector<Definition> all() const;
    const std::map<SlotKey, Definition>& attached() const { return attached_; }
    const std::vector<Definition>& orphans() const { return orphans_; }
    bool empty() const { return attached_.empty() && orphans_.empty(); }

    friend bool operator==(const Definitions&, const Definitions&) = default;

private:
    // Moves d to its slot when one starts at its key and has no definition yet.
    bool attachIfFree(const Grid& grid, Definition& d);

    std::map<SlotKey, Definition> attached_;
    std::vector<Definition> orphans_;
};

}  // namespace quirvo
