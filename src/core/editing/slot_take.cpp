#include "core/editing/slot_take.h"

#include <algorithm>

#include "core/editing/ricerca.h"
#include "core/grid/slot.h"

namespace quirvo {

namespace {

// The run a click in mode 1 or 2 takes: the open cells through the cell
// (for a row click on a black cell, those that end just before it), less
// the ones before the drag start. Of length 0 when there are none.
Slot clickedRun(const Grid& grid, int r, int c, bool row, int limit) {
    const Direction d = row ? Direction::Across : Direction::Down;
    std::optional<Slot> run = runAt(grid, r, c, d);
    if (!run && row) run = runAt(grid, r, c - 1, d);
    if (!run) return Slot{static_cast<int16_t>(r), static_cast<int16_t>(c), d, 0};
    int16_t& start = row ? run->col : run->row;
    const int first = std::max<int>(start, std::min(limit, row ? c : r));
    run->length = static_cast<int16_t>(run->length - (first - start));
    start = static_cast<int16_t>(first);
    return *run;
}

}  // namespace

bool pickSlot(const Grid& grid, EditorState& editor, Outline& outline, const DragCut& drag, SearchOutcome& out) {
    const bool row = editor.workMode == 1;
    const int r = editor.curRow, c = editor.curCol;
    if (editor.busyLevel >= 1 || (!row && editor.workMode != 2) || (!row && grid.isBlack(r, c))) {
        out.ignored = true;
        return false;
    }
    const Slot taken = clickedRun(grid, r, c, row, row ? drag.x1blu : drag.y1blu);
    std::string pattern = taken.pattern(grid);
    const int first = row ? taken.col : taken.row;
    int last = first + taken.length - 1;
    SlotState& slot = editor.slot;
    slot.testom = pattern;
    if (drag.erablu) {
        // The drag keeps the cells up to its far end; an end beyond the run
        // moves the bound but keeps the whole pattern.
        const int end = row ? drag.x2o : drag.y2o;
        const int cut = std::clamp(last - end, 0, static_cast<int>(pattern.size()));
        pattern.resize(pattern.size() - static_cast<size_t>(cut));
        last = end;
    }
    slot.slotPattern = pattern;
    slot.slotFull = pattern;
    slot.headCut.clear();
    slot.tailCut.clear();
    const auto first16 = static_cast<int16_t>(first), last16 = static_cast<int16_t>(last);
    const auto span = static_cast<int16_t>(last - first + 1);
    if (row) {
        slot.slotColFirst = first16;
        slot.slotColLast = last16;
        outline = {first16, static_cast<int16_t>(r), span, 1};
    } else {
        slot.slotRowFirst = first16;
        slot.slotRowLast = last16;
        outline = {static_cast<int16_t>(c), first16, 1, span};
    }
    out.steps.emplace_back(PickStep{row, slot.slotFull, outline});
    return true;
}

SlotState rowSlotOf(const std::string& cells) {
    SlotState slot;
    slot.slotPattern = slot.slotFull = slot.testom = cells;
    slot.slotColLast = static_cast<int16_t>(cells.size() - 1);
    return slot;
}

SearchOutcome takeSlot(const Grid& grid, EditorState& editor, Outline& outline, const DragCut& drag,
                       const LexiconState& lexicon, Progress& progress) {
    SearchOutcome out;
    if (pickSlot(grid, editor, outline, drag, out))
        ricerca(SlotWork(editor.slot, outline, editor.workMode), lexicon, progress, out);
    return out;
}

}  // namespace quirvo
