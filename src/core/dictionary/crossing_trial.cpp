#include "core/dictionary/crossing_trial.h"

#include <algorithm>

#include "core/dictionary/fit_test.h"
#include "core/dictionary/search_texts.h"
#include "core/grid/cell_codes.h"

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

template <typename CellAt>
void runThrough(int at, int count, CellAt cellAt, std::string& run, int16_t& first, int16_t& last) {
    first = 0;
    last = static_cast<int16_t>(count - 1);
    for (int i = at; i < count; ++i) {
        const char cell = cellAt(i);
        if (cell == BLACK_CELL) {
            last = static_cast<int16_t>(i - 1);
            break;
        }
        run += i == at ? '#' : cell == '\0' || cell == ' ' ? EMPTY_CELL : cell;
    }
    for (int i = at - 1; i >= 0; --i) {
        const char cell = cellAt(i);
        if (cell == BLACK_CELL) {
            first = static_cast<int16_t>(i + 1);
            break;
        }
        run.insert(run.begin(), cell == '\0' || cell == ' ' ? EMPTY_CELL : cell);
    }
}

}  // namespace

CrossingRuns crossingRuns(const Grid& grid, int row, int col) {
    CrossingRuns runs;
    runThrough(col, grid.colCount, [&](int i) { return grid.cell(row, i); }, runs.across, runs.colFirst,
               runs.colLast);
    runThrough(row, grid.rowCount, [&](int i) { return grid.cell(i, col); }, runs.down, runs.rowFirst,
               runs.rowLast);
    return runs;
}

CrossingOutcome trialOnRuns(const Lexicon& lexicon, const DictMask& active, const std::string& across,
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
        const FitTest row = sugginc(lexicon, active, trialRow, accorcia, progress);
        FitTest col;
        if (row.hit) col = sugginc(lexicon, active, trialCol, accorcia, progress);
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
    const int16_t idle = session.busyLevel;
    session.busyLevel = 2;
    const LexiconPtr lexicon = session.lexicon;  // held while the trial yields to the window
    CrossingOutcome trial = trialOnRuns(*lexicon, session.activeDictionaries, runs.across, runs.down,
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
