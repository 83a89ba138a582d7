#include "core/dictionary/slot_take.h"

#include <algorithm>

#include "core/dictionary/search_texts.h"
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

SearchOutcome pickSlot(Session& session, const DragCut& drag) {
    SearchOutcome out;
    const bool row = session.workMode == 1;
    const Grid& grid = session.grid;
    const int r = session.curRow, c = session.curCol;
    if (session.busyLevel >= 1 || (!row && session.workMode != 2) || (!row && grid.isBlack(r, c))) {
        out.ignored = true;
        return out;
    }
    const Slot taken = clickedRun(grid, r, c, row, row ? drag.x1blu : drag.y1blu);
    struct {
        std::string pattern;
        int first, last;
    } run{taken.pattern(grid), row ? taken.col : taken.row, 0};
    run.last = run.first + taken.length - 1;
    SlotState& slot = session.slot;
    slot.testom = run.pattern;
    if (drag.erablu) {
        // The drag keeps the cells up to its far end; an end beyond the run
        // moves the bound but keeps the whole pattern.
        const int end = row ? drag.x2o : drag.y2o;
        const size_t cut = static_cast<size_t>(std::clamp(run.last - end, 0, static_cast<int>(run.pattern.size())));
        run.pattern.resize(run.pattern.size() - cut);
        run.last = end;
    }
    slot.slotPattern = run.pattern;
    slot.slotFull = run.pattern;
    slot.headCut.clear();
    slot.tailCut.clear();
    const int16_t first = static_cast<int16_t>(run.first), last = static_cast<int16_t>(run.last);
    const int16_t span = static_cast<int16_t>(last - first + 1);
    if (row) {
        slot.slotColFirst = first;
        slot.slotColLast = last;
        session.outline = {first, static_cast<int16_t>(r), span, 1};
    } else {
        slot.slotRowFirst = first;
        slot.slotRowLast = last;
        session.outline = {static_cast<int16_t>(c), first, 1, span};
    }
    WindowEffects& fx = out.effects;
    fx.listsToolTip = "";
    fx.texta = slot.slotFull;
    fx.commandsEnabled = true;
    fx.repaintWithRed(session.outline);
    fx.clearTextb = true;
    return out;
}

SearchOutcome takeSlot(Session& session, const DragCut& drag, Progress& progress) {
    SearchOutcome out = pickSlot(session, drag);
    if (out.ignored) return out;
    ricerca(session, progress, out);
    if (out.effects.lists && !out.effects.lists->empty())
        out.effects.listsToolTip = session.workMode == 1 ? texts::ROW_LIST_TIP : texts::COLUMN_LIST_TIP;
    return out;
}

}  // namespace quirvo
