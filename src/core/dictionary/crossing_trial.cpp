#include "core/dictionary/crossing_trial.h"

#include "core/dictionary/fit_test.h"
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

CrossingOutcome trialOnRuns(const Lexicon& lexicon, const DictMask& active, const std::string& across,
                            const std::string& down, bool vowelsOnly, bool accorcia, Progress& progress,
                            const LetterStarted& letterStarted) {
    CrossingOutcome out;
    out.vowelsOnly = vowelsOnly;
    if (across.size() < 2 || down.size() < 2 || hasNoLetter(across) || hasNoLetter(down)) {
        out.refusal = CrossingRefusal::NoRun;
        out.refused = true;
        return out;
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (vowelsOnly && VOWELS.find(letter) == std::string_view::npos) continue;
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
        LetterTrial& trial = out.letters.emplace_back(LetterTrial{letter, row.hit && col.hit, 0, 0});
        if (!trial.fits) continue;
        trial.acrossLeft = static_cast<int16_t>(trialRow.size() - row.fitLen);
        trial.downLeft = static_cast<int16_t>(trialCol.size() - col.fitLen);
        ++out.crossHits;
    }
    return out;
}

}  // namespace quirvo
