#include "core/dictionary/crossing_trial.h"

#include <algorithm>

#include "core/dictionary/fit_test.h"
#include "core/dictionary/search_texts.h"
#include "core/grid/cell_codes.h"
#include "core/grid/slot.h"

namespace quirvo {

namespace {

constexpr std::string_view VOWELS = "AEIOU";

// A run whose cells are all empty but the chosen one has no letter to cross.
bool hasNoLetter(const std::string& run) { return run.find_first_not_of("?#") == std::string::npos; }

std::string withLetter(std::string run, char letter) {
    const size_t at = run.find('#');
    if (at != std::string::npos) run[at] = letter;
    return run;
}

std::string resultLine(char letter, size_t acrossLeft, size_t downLeft) {
    std::string note;
    if (acrossLeft) note = "Oriz.-" + std::to_string(acrossLeft);
    if (acrossLeft && downLeft) note += " / ";
    if (downLeft) note += "Vert.-" + std::to_string(downLeft);
    return note.empty() ? std::string(1, letter) : std::string(1, letter) + " (" + note + ")";
}

// The run through the chosen cell, "#" in its place, and its bounds along the line.
void runThrough(const Grid& grid, int row, int col, Direction d, std::string& run, int16_t& first, int16_t& last) {
    const std::optional<Slot> through = runAt(grid, row, col, d);
    if (!through) return;
    run = through->pattern(grid);
    run[static_cast<size_t>(through->indexOf(row, col))] = '#';
    first = d == Direction::Across ? through->col : through->row;
    last = static_cast<int16_t>(first + through->length - 1);
}

}  // namespace

CrossingRuns crossingRuns(const Grid& grid, int row, int col) {
    CrossingRuns runs;
    runThrough(grid, row, col, Direction::Across, runs.across, runs.colFirst, runs.colLast);
    runThrough(grid, row, col, Direction::Down, runs.down, runs.rowFirst, runs.rowLast);
    return runs;
}

CrossingOutcome trialOnRuns(const DictionarySet& dicts, const SearchIndexes& indexes, const std::string& across,
                            const std::string& down, bool vowelsOnly, bool accorcia, Progress& progress,
                            const LetterStarted& letterStarted) {
    CrossingOutcome out;
    WindowEffects& fx = out.effects;
    if (across.size() < 2 || down.size() < 2 || hasNoLetter(across) || hasNoLetter(down)) {
        fx.panel2 = texts::BLANK;
        fx.panel3 = texts::CELL_ERROR;
        ++fx.beeps;
        out.refused = true;
        return out;
    }
    fx.texta = "?";
    fx.clearTextb = true;
    fx.panel3 = texts::CROSS_WAIT;
    fx.commandsEnabled = false;
    std::vector<std::string> lines;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (vowelsOnly && VOWELS.find(letter) == std::string_view::npos) continue;
        fx.panel2ToolTip = texts::CROSS_STOP_TIP;
        fx.panel2 = std::string(" incrocio ") + letter + " ";
        if (letterStarted) letterStarted(letter);
        if (progress.pollNow()) {
            out.interrupted = true;
            break;
        }
        const std::string trialRow = withLetter(across, letter);
        const std::string trialCol = withLetter(down, letter);
        const FitTest row = sugginc(dicts, indexes, trialRow, accorcia, progress);
        FitTest col;
        if (row.hit) col = sugginc(dicts, indexes, trialCol, accorcia, progress);
        if (row.stopped || col.stopped) {
            out.interrupted = true;
            break;
        }
        if (!row.hit || !col.hit) continue;
        lines.push_back(resultLine(letter, trialRow.size() - row.fitLen, trialCol.size() - col.fitLen));
        ++out.crossHits;
    }
    const std::string count = " =" + std::to_string(out.crossHits) + " ";
    if (out.interrupted) {
        fx.panel2 = count;
        fx.panel3 = texts::CROSS_INTERRUPTED;
    } else if (out.crossHits == 0) {
        fx.panel2 = texts::NOTHING_FOUND;
        fx.panel3 = texts::BLANK;
        ++fx.beeps;
    } else {
        fx.panel2 = count;
        fx.panel3 = texts::BLANK;
    }
    if (out.crossHits >= 1) fx.listsToolTip = texts::CROSS_LIST_TIP;
    std::sort(lines.begin(), lines.end());
    fx.lists = std::move(lines);
    return out;
}

CrossingOutcome crossingTrial(Session& session, bool vocali, Progress& progress, const LetterStarted& letterStarted) {
    CrossingOutcome out;
    WindowEffects& fx = out.effects;
    fx.panel1 = vocali ? texts::CROSS_TITLE_VOWELS : texts::CROSS_TITLE_ALL;
    const int row = session.curRow, col = session.curCol;
    if (session.grid.cell(row, col) != EMPTY_CELL) {
        fx.panel2 = texts::BLANK;
        fx.panel3 = texts::BAD_REQUEST;
        ++fx.beeps;
        out.refused = true;
        return out;
    }
    session.outline = {static_cast<int16_t>(col), static_cast<int16_t>(row), 1, 1};
    fx.repaintWithRed(session.outline);
    const CrossingRuns runs = crossingRuns(session.grid, row, col);
    SlotState& slot = session.slot;
    slot.slotPattern.clear();
    slot.slotColFirst = runs.colFirst;
    slot.slotColLast = runs.colLast;
    slot.slotRowFirst = runs.rowFirst;
    slot.slotRowLast = runs.rowLast;
    fx.listsToolTip = "";
    refreshSearchIndexes(session.dictionaries, session.searchIndexes);
    const int16_t idle = session.busyLevel;
    session.busyLevel = 2;
    CrossingOutcome trial = trialOnRuns(session.dictionaries, session.searchIndexes, runs.across, runs.down,
                                        vocali, session.accorcia, progress, letterStarted);
    if (trial.refused) {
        session.busyLevel = idle;
    } else {
        session.busyLevel = 0;
        session.stopRequest = 0;
        slot.slotPattern = "?";
    }
    trial.effects.panel1 = fx.panel1;
    trial.effects.repaintWithRed(session.outline);
    if (!trial.effects.listsToolTip) trial.effects.listsToolTip = "";
    return trial;
}

}  // namespace quirvo
