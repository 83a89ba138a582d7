// Typing on a 25 x 35 grid in the real main window (offscreen) with the
// default dictionaries: the time from a key to the repainted picture with
// the grid check off (the reference) and on, and with the check on the time
// from the key to its marks on the picture. The ratio closes the report.
//
// Run from the top of the worktree after a build, or name the program folder:
//   build/bench/typing_bench [--dir=PROGRAM_FOLDER] [benchmark options]

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>

#include "core/grid/cell_codes.h"
#include "gui/display/grid_view.h"
#include "gui/fill/live_check.h"
#include "support/grid_input.h"
#include "support/test_window.h"

namespace {

using namespace quirvo;
using namespace quirvo::test;

constexpr int ROWS = 25, COLS = 35;
constexpr int ANSWER_TIMEOUT_MS = 10000;

QString programFolder = QStringLiteral(QUIRVO_PROGRAM_FOLDER);
std::unique_ptr<TestWindow> window;
std::map<std::string, double> medians;  // by benchmark name, seconds

// Black cells about one in nine, in a pattern that leaves runs of two to
// ten cells, as Italian grids have them.
void setUpGrid(TestWindow& w) {
    w.createGrid(ROWS, COLS);
    Grid& g = w->session().grid;
    for (int r = 0; r < ROWS; ++r)
        for (int c = 0; c < COLS; ++c)
            if ((r * 7 + c * 3) % 9 == 0) g.setCell(r, c, BLACK_CELL);
    w->rinfresca();
    clickToolbar(*w, "a3");
    clickCell(*w, 0, 1);
}

// The cursor on the n-th white cell in reading order, as a click puts it.
void placeCursor(Session& s, int n) {
    for (int k = 0;; ++k) {
        const int at = (n + k) % (ROWS * COLS);
        if (s.grid.isBlack(at / COLS, at % COLS)) continue;
        s.curRow = int16_t(at / COLS);
        s.curCol = int16_t(at % COLS);
        return;
    }
}

// A letter that changes the cell under the cursor, so every key is an edit.
char nextLetter(const Session& s, int n) {
    static const char letters[] = "AEIORSTNCL";
    char letter = letters[n % 10];
    if (s.grid.cell(s.curRow, s.curCol) == letter) letter = letters[(n + 1) % 10];
    return letter;
}

void typing(benchmark::State& state, bool check) {
    MainWindow& w = **window;
    if (w.menuItem("Controllo")->isChecked() != check) w.menuItem("Controllo")->trigger();
    LiveCheck* live = &w.controllers().liveCheck();
    QSignalSpy answered(live, &LiveCheck::answered);
    double answerSeconds = 0;
    int answers = 0, n = 0;
    for (auto _ : state) {
        placeCursor(w.session(), 7 * n);
        const char letter = nextLetter(w.session(), n++);
        answered.clear();
        QElapsedTimer clock;
        clock.start();
        // The key's handler repaints the picture before it returns.
        QTest::keyClick(w.peri(), letter);
        state.SetIterationTime(double(clock.nsecsElapsed()) * 1e-9);
        if (!check) continue;
        if (answered.isEmpty() && !answered.wait(ANSWER_TIMEOUT_MS)) {
            state.SkipWithError("no answer from the check");
            break;
        }
        QCoreApplication::processEvents();  // the picture with the marks
        answerSeconds += double(clock.nsecsElapsed()) * 1e-9;
        ++answers;
    }
    if (answers > 0) state.counters["key_to_marks_ms"] = 1000 * answerSeconds / answers;
}

void BM_TypingCheckOff(benchmark::State& state) { typing(state, false); }
void BM_TypingCheckOn(benchmark::State& state) { typing(state, true); }

BENCHMARK(BM_TypingCheckOff)->Name("typing/check_off")->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(200)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_TypingCheckOn)->Name("typing/check_on")->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(200)->Repetitions(3)->ReportAggregatesOnly(true);

// Keeps the medians for the ratio printed at the end.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.aggregate_name == "median") medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--dir=", 6) == 0) programFolder = QString::fromLocal8Bit(argv[i] + 6);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    window = std::make_unique<TestWindow>(TestWindow::fastStartup(), programFolder);
    if (!window->waitLoaded(120000)) {
        std::cerr << "no dictionaries in " << programFolder.toStdString() << "\n";
        return 1;
    }
    setUpGrid(*window);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double off = medians["typing/check_off"], on = medians["typing/check_on"];
    if (off > 0) std::cout << "key to repaint, check on / check off: " << on / off << "\n";
    window.reset();
    benchmark::Shutdown();
    return 0;
}
