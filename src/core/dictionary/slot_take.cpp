#include "core/dictionary/slot_take.h"

#include <algorithm>

#include "core/dictionary/search_texts.h"
#include "core/grid/cell_codes.h"

namespace quirvo {

namespace {

char patternChar(char cell) { return cell == '\0' || cell == ' ' ? EMPTY_CELL : cell; }

// The run along one line of cells through `at`: cells [0, count) read by
// cellAt; the scan back stops before `limit` (the drag start) as well.
struct Run {
    std::string pattern;
    int first = 0, last = 0;
};

template <typename CellAt>
Run runThrough(int at, int count, int limit, CellAt cellAt) {
    Run run{std::string(), 0, count - 1};
    for (int i = at; i < count; ++i) {
        if (cellAt(i) == BLACK_CELL) {
            run.last = i - 1;
            break;
        }
        run.pattern += patternChar(cellAt(i));
    }
    for (int i = at - 1; i >= 0; --i) {
        if (i < limit || cellAt(i) == BLACK_CELL) {
            run.first = i + 1;
            break;
        }
        run.pattern.insert(run.pattern.begin(), patternChar(cellAt(i)));
    }
    return run;
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
    Run run = row ? runThrough(c, grid.colCount, drag.x1blu, [&](int i) { return grid.cell(r, i); })
                  : runThrough(r, grid.rowCount, drag.y1blu, [&](int i) { return grid.cell(i, c); });
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
