#include "core/editing/crossing_take.h"

#include "core/grid/cell_codes.h"

namespace quirvo {

CrossingOutcome crossingTrial(const Grid& grid, EditorState& editor, Outline& outline, const LexiconState& lexicon,
                              bool vocali, Progress& progress, const LetterStarted& letterStarted) {
    const int row = editor.curRow, col = editor.curCol;
    if (grid.cell(row, col) != EMPTY_CELL) {
        CrossingOutcome out;
        out.refusal = CrossingRefusal::FilledCell;
        out.refused = true;
        out.vowelsOnly = vocali;
        return out;
    }
    outline = {static_cast<int16_t>(col), static_cast<int16_t>(row), 1, 1};
    const CrossingRuns runs = crossingRuns(grid, row, col);
    SlotState& slot = editor.slot;
    slot.slotPattern.clear();
    slot.slotColFirst = runs.colFirst;
    slot.slotColLast = runs.colLast;
    slot.slotRowFirst = runs.rowFirst;
    slot.slotRowLast = runs.rowLast;
    const LexiconPtr held = lexicon.lexicon;  // held while the trial yields to the window
    CrossingOutcome out = trialOnRuns(*held, lexicon.activeDictionaries, runs.across, runs.down, vocali,
                                      lexicon.accorcia, progress, letterStarted);
    if (!out.refused) slot.slotPattern = "?";
    return out;
}

}  // namespace quirvo
