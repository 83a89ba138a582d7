// The whole-grid check and the autofill, each figure a ratio measured in
// this run:
// - insight after one typed or erased letter on a half-filled 15 x 15 and on
//   a 25 x 35 grid, and a first insight of the 25 x 35, against one crossing
//   trial of 26 letters (the work of search_bench's cross/26_letters), all
//   over the default dictionaries;
// - autofill as whole processes, `quirvo-diz fill` against Qxw's batch
//   filler (`qxw -b`), on the same grids with the same word list of about
//   2.4 million words (made once by fill_word_list.sh into the cache folder);
// - autofill with the default dictionaries on Italian-style grids from 9 x 9
//   to 15 x 15, with the editor's rules and without: the median times and
//   their ratio, the share of base.diz words, and (by the word facts of
//   parole.fatti) the entries of three letters or more by kind, their mean
//   familiarity and the entries the rules refuse.
// The grids are in bench/grids. The report closes with the ratios.
//
// Run from the top of the worktree after a build, or name the folders:
//   build/bench/fill_bench [--dir=PROGRAM_FOLDER] [--cache=DIR] [--qxw=PATH]
//                          [--qxw-seconds=300] [--min-familiarity=0]
//                          [benchmark options]
// --benchmark_filter=insight runs only the in-process insight figures.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <set>
#include <sstream>

#include "child_process.h"
#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/lexicon.h"
#include "core/files/grid_file.h"
#include "core/dictionary/facts_file.h"
#include "core/fill/fill.h"
#include "core/fill/fill_cost.h"
#include "core/fill/insight.h"
#include "crossing_reference.h"
#include "default_lexicon.h"
#include "qxw_deck.h"

namespace {

using namespace quirvo;
namespace fs = std::filesystem;

struct Settings {
    std::string folder = "build/programma";
    fs::path cache;
    std::string qxw = "/usr/games/qxw";
    double qxwSeconds = 300;
    double fillSeconds = 60;
    int minFamiliarity = FAMILIARITY_ALL;
};
Settings settings;

// The default dictionaries, loaded once with their word facts, as the
// lexicon the crossing trial and the fill engine read, and the editor's
// rules over them (null without parole.fatti).
using Defaults = bench::DefaultLexicon;

const Defaults& defaults() {
    static const Defaults* loaded = bench::loadDefaultLexicon("fill_bench", settings.folder, settings.minFamiliarity);
    return *loaded;
}

fs::path gridPath(const std::string& name) { return fs::path(QUIRVO_BENCH_DIR) / "grids" / (name + ".qrv"); }

Grid readGrid(const std::string& name) {
    std::ifstream in(gridPath(name), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    GridFileRead read = readGridFile(bytes.str());
    if (!read.ok()) {
        std::fprintf(stderr, "fill_bench: %s: %s\n", gridPath(name).c_str(), read.error.c_str());
        std::exit(1);
    }
    return read.grid;
}

// CPU seconds per iteration of the in-process figures, by name.
std::map<std::string, double> cpuTimes;

class TimesReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so a report written to a file reads plainly.
    TimesReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                cpuTimes[run.run_name.str()] = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
};

// One letter typed into the empty cell nearest the middle of the grid
// that keeps an option at the fixpoint: its first such letter.
struct Keystroke {
    Grid grid;          // the grid with the letter
    std::string label;  // "row,col=L", 0-based
};

Keystroke oneLetterTyped(const Grid& grid, const InsightReport& report) {
    int best = -1, bestDistance = 1 << 30;
    for (int r = 0; r < grid.rowCount; ++r)
        for (int c = 0; c < grid.colCount; ++c) {
            const int cell = r * grid.colCount + c;
            if (grid.cell(r, c) != '?' || report.remaining[size_t(cell)] == 0) continue;
            const int distance = std::abs(2 * r - grid.rowCount) + std::abs(2 * c - grid.colCount);
            if (distance < bestDistance) best = cell, bestDistance = distance;
        }
    Keystroke typed{grid, "no cell"};
    if (best < 0) return typed;
    const int row = best / grid.colCount, col = best % grid.colCount;
    const char letter = char('A' + __builtin_ctz(report.remaining[size_t(best)]));
    typed.grid.setCell(row, col, letter);
    typed.label = std::to_string(row) + "," + std::to_string(col) + "=" + letter;
    return typed;
}

// A recompute after one changed cell: the check of the grid before the
// change runs untimed ahead of each timed check of the grid after it.
void registerChange(const std::string& name, const char* change, bool typed) {
    benchmark::RegisterBenchmark(("insight/" + name + "/" + change).c_str(), [name, typed](benchmark::State& state) {
        const Grid grid = readGrid(name);
        Insight live(defaults().table, defaults().active);
        const Keystroke key = oneLetterTyped(grid, live.check(grid));
        const Grid& before = typed ? grid : key.grid;
        const Grid& after = typed ? key.grid : grid;
        state.SetLabel(key.label);
        for (auto _ : state) {
            state.PauseTiming();
            live.check(before);
            state.ResumeTiming();
            benchmark::DoNotOptimize(live.check(after));
        }
    })->Unit(benchmark::kMicrosecond);
}

void registerInsight(const std::string& name) {
    registerChange(name, "typed", true);
    registerChange(name, "erased", false);
    benchmark::RegisterBenchmark(("insight/" + name + "/first").c_str(), [name](benchmark::State& state) {
        const Grid grid = readGrid(name);
        const Defaults& d = defaults();
        InsightReport report;
        for (auto _ : state) report = insight(d.table, d.active, grid);
        state.counters["slots"] = double(report.slots.size());
        state.counters["dead"] = double(report.dead.size());
        state.counters["consistent"] = report.consistent;
    })->Unit(benchmark::kMicrosecond);
}

void registerInsightFigures() {
    benchmark::RegisterBenchmark("insight/cross/26_letters", [](benchmark::State& state) {
        const Defaults& d = defaults();
        int hits = 0;
        for (auto _ : state) hits = bench::crossingTrial26(d.lexicon, d.active);
        state.counters["letters"] = hits;
    })->Unit(benchmark::kMicrosecond);
    registerInsight("insight_15x15_half");
    registerInsight("insight_25x35");
    benchmark::RegisterBenchmark("insight/word_table", [](benchmark::State& state) {
        const Defaults& d = defaults();
        for (auto _ : state) benchmark::DoNotOptimize(WordTable(d.lexicon.dictionaries()).count(5));
    })->Unit(benchmark::kMillisecond)->Iterations(1);
}

// One whole-process fill of a comparison grid.
struct ProcessFill {
    std::string result;  // "filled", "no fill", "stopped", or what went wrong
    double wall = 0, cpu = 0;
    std::string seeds;  // the result of each seed, when there are several runs

    static ProcessFill of(std::string result, double wall = 0, double cpu = 0) {
        ProcessFill fill;
        fill.result = std::move(result);
        fill.wall = wall;
        fill.cpu = cpu;
        return fill;
    }
};
std::map<std::string, ProcessFill> quirvoFills, qxwFills;

// The cache folder holds the shared word list; made on first use.
void prepareWordList(benchmark::State& state) {
    static const int made = [] {
        fs::create_directories(settings.cache);
        const fs::path script = fs::path(QUIRVO_BENCH_DIR) / "fill_word_list.sh";
        return bench::runChild({"/bin/bash", script.string(), settings.cache.string(), QUIRVO_CLI_PATH}, 3600).exitCode;
    }();
    if (made != 0) state.SkipWithError("fill_word_list.sh failed");
}

ProcessFill quirvoProcess(const std::string& name, uint64_t seed) {
    const bench::ChildRun run =
        bench::runChild({QUIRVO_CLI_PATH, "fill", "--dir", (settings.cache / "lista").string(), "--seconds",
                         std::to_string(settings.fillSeconds), "--seed", std::to_string(seed), gridPath(name).string()},
                        settings.fillSeconds + 60);
    ProcessFill fill = ProcessFill::of("exit " + std::to_string(run.exitCode), run.wallSeconds, run.cpuSeconds);
    for (const char* result : {"filled", "no fill", "stopped"})
        if (run.out.find(std::string("\"result\": \"") + result + "\"") != std::string::npos) fill.result = result;
    const size_t rows = run.out.find("\"rows\"");
    if (fill.result == "filled" && run.out.find('?', rows) < run.out.find(']', rows)) fill.result = "filled with holes";
    return fill;
}

// A randomised search has a long tail, so each grid is filled with three
// seeds and the run of median CPU time stands for it.
ProcessFill quirvoProcess(const std::string& name) {
    std::vector<ProcessFill> runs;
    for (uint64_t seed = 1; seed <= 3; ++seed) runs.push_back(quirvoProcess(name, seed));
    std::string seeds;
    for (const ProcessFill& run : runs) seeds += (seeds.empty() ? "" : "/") + run.result;
    std::sort(runs.begin(), runs.end(), [](const ProcessFill& a, const ProcessFill& b) { return a.cpu < b.cpu; });
    ProcessFill middle = runs[1];
    middle.seeds = seeds;
    return middle;
}

ProcessFill qxwProcess(const std::string& name) {
    const std::string deck = bench::qxwDeck(readGrid(name));
    if (deck.empty()) return ProcessFill::of("grid with letters");
    const fs::path deckFile = settings.cache / (name + ".qxd");
    std::ofstream(deckFile) << deck;
    const bench::ChildRun run =
        bench::runChild({settings.qxw, "-b", "-d", (settings.cache / "words.txt").string(), deckFile.string()},
                        settings.qxwSeconds);
    ProcessFill fill = ProcessFill::of("exit " + std::to_string(run.exitCode), run.wallSeconds, run.cpuSeconds);
    if (!run.started) fill.result = "not started";
    else if (run.capped) fill.result = "no fill in " + std::to_string(int(settings.qxwSeconds)) + " s CPU";
    else if (run.exitCode == 4) fill.result = "no fill";
    else if (run.exitCode == 0) {
        size_t words = 0;  // one line "Wn WORD" per slot
        std::istringstream lines(run.out);
        for (std::string line; std::getline(lines, line);) words += line.size() > 1 && line[0] == 'W' && isdigit(line[1]);
        fill.result = words == slotsOf(readGrid(name)).size() ? "filled" : "filled partly";
    }
    return fill;
}

void registerComparison(const std::string& name) {
    using Runner = ProcessFill (*)(const std::string&);
    const Runner quirvo = quirvoProcess;
    const std::pair<const char*, Runner> fillers[] = {{"quirvo", quirvo}, {"qxw", qxwProcess}};
    for (const auto& [filler, runner] : fillers) {
        benchmark::RegisterBenchmark(("qxw/" + name + "/" + filler).c_str(),
                                     [name, filler = std::string(filler), runner = runner](benchmark::State& state) {
                                         prepareWordList(state);
                                         for (auto _ : state) {
                                             const ProcessFill fill = runner(name);
                                             state.SetIterationTime(fill.wall);
                                             (filler == "qxw" ? qxwFills : quirvoFills)[name] = fill;
                                             state.SetLabel(fill.result);
                                             state.counters["cpu_s"] = fill.cpu;
                                         }
                                     })
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kSecond);
    }
}

// Fills of the default dictionaries, by grid, seed and rules.
struct DefaultFill {
    std::string grid;
    bool rules = false;
    bool filled = false;
    double seconds = 0;
    std::array<int, 7> wordsByDictionary{};
    FillReport judged;  // by the rules' facts, whether or not the fill used them
    std::vector<std::string> entries;  // in slot order
    int words() const { return std::accumulate(wordsByDictionary.begin(), wordsByDictionary.end(), 0); }
};
std::vector<DefaultFill> defaultFills;

DefaultFill judgedFill(const std::string& name, bool rules, const FillResult& result) {
    DefaultFill made{name, rules, result.outcome == FillOutcome::Filled && result.report.repeated.empty(),
                     result.seconds, result.report.wordsByDictionary, {}, {}};
    if (!made.filled || !defaults().rules) return made;
    for (const Slot& slot : slotsOf(result.grid)) made.entries.push_back(slot.pattern(result.grid));
    judgeFill(*defaults().rules, result.grid, made.judged);
    return made;
}

void registerDefaultFill(const std::string& name, uint64_t seed, bool rules) {
    const std::string title = std::string(rules ? "rules/" : "default/") + name + "/seed" + std::to_string(seed);
    benchmark::RegisterBenchmark(title.c_str(), [name, seed, rules](benchmark::State& state) {
        const Grid grid = readGrid(name);
        const Defaults& d = defaults();
        if (rules && !d.rules) return state.SkipWithError("no parole.fatti");
        FillOptions options;
        options.active = d.active;
        options.seconds = settings.fillSeconds;
        options.seed = seed;
        if (rules) options.rules = d.rules;
        for (auto _ : state) {
            const FillResult result = fill(d.table, grid, options);
            state.SetIterationTime(result.seconds);
            defaultFills.push_back(judgedFill(name, rules, result));
            state.SetLabel(defaultFills.back().filled ? "filled" : "not filled");
        }
    })
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void printInsightRatios() {
    const auto cross = cpuTimes.find("insight/cross/26_letters");
    if (cross == cpuTimes.end()) return;
    std::printf("\ninsight, CPU time against one crossing trial of 26 letters (%.1f us):\n", cross->second * 1e6);
    std::printf("%-40s %12s %9s %8s\n", "case", "us", "x trial", "target");
    for (const auto& [name, seconds] : cpuTimes) {
        if (name.rfind("insight/insight_", 0) != 0) continue;
        const bool first = name.size() > 6 && name.compare(name.size() - 6, 6, "/first") == 0;
        std::printf("%-40s %12.1f %9.1f %8s\n", name.c_str(), seconds * 1e6, seconds / cross->second,
                    first ? "<= 200" : "<= 50");
    }
}

void printComparison() {
    if (quirvoFills.empty() && qxwFills.empty()) return;
    std::printf("\nautofill as whole processes, same grids and word list (seconds wall / CPU; ours the median\n"
                "of three seeds by CPU time; the ratio is of CPU times):\n");
    std::printf("%-14s %-22s %8s %8s   %-22s %8s %8s %9s\n", "grid", "quirvo-diz fill", "wall", "cpu", "qxw -b", "wall",
                "cpu", "qxw/ours");
    std::set<std::string> grids;
    for (const auto* fills : {&quirvoFills, &qxwFills})
        for (const auto& fill : *fills) grids.insert(fill.first);
    for (const std::string& name : grids) {
        const ProcessFill ours = quirvoFills.count(name) ? quirvoFills[name] : ProcessFill::of("not run");
        const ProcessFill theirs = qxwFills.count(name) ? qxwFills[name] : ProcessFill::of("not run");
        std::printf("%-14s %-22s %8.2f %8.2f   %-22s %8.2f %8.2f", name.c_str(), ours.result.c_str(), ours.wall,
                    ours.cpu, theirs.result.c_str(), theirs.wall, theirs.cpu);
        if (theirs.result == "filled" && ours.cpu > 0) std::printf(" %9.1f", theirs.cpu / ours.cpu);
        if (!ours.seeds.empty()) std::printf("   seeds 1-3: %s", ours.seeds.c_str());
        std::printf("\n");
    }
    std::printf("target: at least 5 times faster wherever Qxw fills; the 15 x 15 filled within %.0f s\n",
                settings.fillSeconds);
}

// The kinds of the fills' entries of three letters or more, as shares.
void printKinds(bool rules) {
    std::array<int, WORD_KINDS> kinds{};
    int entries = 0, refused = 0;
    std::vector<double> familiarity;
    for (const DefaultFill& f : defaultFills) {
        if (f.rules != rules || !f.filled || !f.judged.judged) continue;
        for (const std::string& word : f.entries) {
            if (word.size() < 3) continue;
            ++kinds[size_t(bestKind(defaults().lexicon.facts()->find(word).kinds))];
            ++entries;
        }
        refused += int(f.judged.refused.size());
        familiarity.push_back(f.judged.meanFamiliarity);
    }
    if (entries == 0) return;
    std::printf("  %s: %d entries of 3+ letters;", rules ? "with the rules" : "without rules", entries);
    for (int k = 0; k < WORD_KINDS; ++k)
        if (kinds[size_t(k)]) std::printf(" %s %.1f%%", std::string(kindKey(WordKind(k))).c_str(), 100.0 * kinds[size_t(k)] / entries);
    std::printf("\n    median of the fills' mean familiarity %.1f; entries the rules refuse: %d\n", median(familiarity),
                refused);
}

void printDefaultFills() {
    if (defaultFills.empty()) return;
    std::map<bool, std::vector<double>> seconds, baseShares;
    std::map<bool, int> filled, tried;
    for (const DefaultFill& f : defaultFills) {
        ++tried[f.rules];
        if (!f.filled) continue;
        ++filled[f.rules];
        seconds[f.rules].push_back(f.seconds);
        baseShares[f.rules].push_back(f.words() ? double(f.wordsByDictionary[1]) / f.words() : 0);
    }
    std::printf("\nautofill with the default dictionaries (grids it_09x09 .. it_15x15, seeds 1-3):\n");
    for (const bool rules : {false, true}) {
        if (!tried[rules]) continue;
        std::printf("  %-15s %d of %d fills made, median %.3f s, base.diz words median share %.1f%%\n",
                    rules ? "with the rules:" : "without rules:", filled[rules], tried[rules],
                    median(seconds[rules]), 100 * median(baseShares[rules]));
    }
    if (!seconds[false].empty() && !seconds[true].empty())
        std::printf("  median time with the rules / without: %.2f\n", median(seconds[true]) / median(seconds[false]));
    for (const bool rules : {false, true}) printKinds(rules);
    for (const DefaultFill& f : defaultFills)
        if (f.rules && f.filled) {
            std::printf("  %s:", f.grid.c_str());
            for (const std::string& word : f.entries)
                std::printf(" %s/%s", word.c_str(),
                            std::string(kindKey(bestKind(defaults().lexicon.facts()->find(word).kinds))).c_str());
            std::printf("\n");
        }
}

void printLoad(const char* when) {
    std::ifstream in("/proc/loadavg");
    std::string one, five;
    in >> one >> five;
    std::printf("load average %s: %s (1 min), %s (5 min)\n", when, one.c_str(), five.c_str());
}

fs::path defaultCache() {
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg) return fs::path(xdg) / "quirvo" / "fill_bench";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".cache" / "quirvo" / "fill_bench";
}

}  // namespace

int main(int argc, char** argv) {
    settings.cache = defaultCache();
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--dir=", 0) == 0) settings.folder = arg.substr(6);
        else if (arg.rfind("--cache=", 0) == 0) settings.cache = arg.substr(8);
        else if (arg.rfind("--qxw=", 0) == 0) settings.qxw = arg.substr(6);
        else if (arg.rfind("--qxw-seconds=", 0) == 0) settings.qxwSeconds = std::atof(arg.c_str() + 14);
        else if (arg.rfind("--min-familiarity=", 0) == 0) settings.minFamiliarity = std::atoi(arg.c_str() + 18);
        else rest.push_back(argv[i]);
    }
    int restCount = int(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    registerInsightFigures();
    for (const char* grid : {"qxw_11x12", "qxw_13x13", "qxw_15x15_us"}) registerComparison(grid);
    for (const char* grid : {"it_09x09", "it_10x10", "it_11x11", "it_12x12", "it_13x13", "it_14x14", "it_15x15"})
        for (const bool rules : {false, true})
            for (uint64_t seed = 1; seed <= 3; ++seed) registerDefaultFill(grid, seed, rules);
    printLoad("at the start");
    TimesReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printLoad("at the end");
    printInsightRatios();
    printComparison();
    printDefaultFills();
    benchmark::Shutdown();
    return 0;
}
