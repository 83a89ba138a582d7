// The schema generator against the fill engine, each figure measured in this
// run with the default dictionaries and, when the word facts are there, the
// editor's rules on:
// - generateSchema on blank grids of 9 x 9, 11 x 12, 13 x 13, 15 x 15 and
//   13 x 21, three seeds, 60 s each: the fewest black cells reached, the time
//   to the first schema within one black cell in six, the entries by kind,
//   and whether every schema answered passes the validator;
// - the reference: the fill engine on a fixed pattern of 16 % black cells of
//   the same size, the same seeds and time: whether it fills, in how long,
//   and its entries by kind.
// The report closes with the figures against their targets.
//
// Run from anywhere after a build:
//   build/bench/schema_bench [--dir=PROGRAM_FOLDER] [--seconds=60] [benchmark options]
// --benchmark_filter=13x13 runs one size only.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/fill/fill.h"
#include "core/fill/fill_cost.h"
#include "core/schema/generate_schema.h"
#include "core/schema/pattern_maker.h"
#include "core/schema/schema_check.h"
#include "default_lexicon.h"

namespace {

using namespace quirvo;

struct Settings {
    std::string folder = QUIRVO_PROGRAM_FOLDER;
    double seconds = 60;
};
Settings settings;

// The default dictionaries and their facts, loaded once; the rules when
// the facts are there.
const bench::DefaultLexicon& defaults() {
    static const bench::DefaultLexicon* loaded = bench::loadDefaultLexicon("schema_bench", settings.folder, FAMILIARITY_ALL);
    return *loaded;
}

// What one run made, by size and seed.
struct Made {
    std::string size;
    uint64_t seed = 0;
    int cells = 0;
    bool found = false;
    double firstSeconds = -1;  // time to the first valid answer
    int black = 0;             // of the best answer
    std::string fault;         // the validator's word on the answers, "" when all pass
    std::array<int, WORD_KINDS> kinds{};
    double familiarity = 0;  // mean, of the best answer's entries
    long attempts = 0;
};
std::vector<Made> schemas, references;

std::string sizeName(int rows, int cols) { return std::to_string(rows) + "x" + std::to_string(cols); }

Made madeBy(int rows, int cols, uint64_t seed, bool found) {
    Made made;
    made.size = sizeName(rows, cols);
    made.seed = seed;
    made.cells = rows * cols;
    made.found = found;
    return made;
}

// Entries by kind and mean familiarity of a grid, when there are rules.
void judge(const Grid& grid, Made& made) {
    FillReport report;
    if (defaults().rules) judgeFill(*defaults().rules, grid, report);
    made.kinds = report.entriesByKind;
    made.familiarity = report.meanFamiliarity;
}

void registerSchema(int rows, int cols, uint64_t seed) {
    const std::string name = "schema/" + sizeName(rows, cols) + "/seed" + std::to_string(seed);
    benchmark::RegisterBenchmark(name.c_str(), [rows, cols, seed](benchmark::State& state) {
        const bench::DefaultLexicon& d = defaults();
        const Grid start = Grid::blank(rows, cols);
        SchemaOptions options;
        options.active = d.active;
        options.rules = d.rules;
        options.seconds = settings.seconds;
        options.seed = seed;
        for (auto _ : state) {
            const SchemaResult result = generateSchema(d.table, start, options);
            state.SetIterationTime(result.seconds);
            Made made = madeBy(rows, cols, seed, !result.schemas.empty());
            made.firstSeconds = result.firstSeconds;
            made.attempts = result.progress.attempts;
            const SchemaDemands demands{d.active, d.rules.get(), options.symmetry, blackBudget(rows, cols, options.maxBlackShare)};
            for (const Schema& schema : result.schemas)
                if (made.fault.empty()) made.fault = schemaFault(d.table, start, schema.grid, demands);
            if (made.found) {
                made.black = result.schemas.front().black;
                judge(result.schemas.front().grid, made);
            }
            state.SetLabel(made.found ? std::to_string(made.black) + " black" : "none");
            state.counters["first_s"] = made.firstSeconds;
            state.counters["attempts"] = double(made.attempts);
            schemas.push_back(made);
        }
    })->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
}

// A pattern of the size with the given share of black cells: a random
// pattern with runs short enough to reach it, then black cells whitened at
// random where the white cell lies in a slot, down to the share.
Grid fixedPattern(int rows, int cols, double share, uint64_t seed) {
    std::mt19937_64 rng(seed);
    const Grid blank = Grid::blank(rows, cols);
    const int target = int(std::lround(share * rows * cols));
    for (int maxRun = std::max(rows, cols);; maxRun = std::max(2, maxRun - 1)) {
        std::optional<Grid> pattern = randomPattern(blank, Symmetry::None, maxRun, rng);
        if (!pattern || blackCount(*pattern) < target) continue;
        for (int guard = 0; blackCount(*pattern) > target && guard < 100 * rows * cols; ++guard) {
            const int r = int(rng() % rows), c = int(rng() % cols);
            if (!pattern->isBlack(r, c)) continue;
            pattern->setCell(r, c, '?');
            if (!inSlot(*pattern, r, c)) pattern->setCell(r, c, '\x10');
        }
        return *pattern;
    }
}

void registerReference(int rows, int cols, uint64_t seed) {
    const std::string name = "reference/" + sizeName(rows, cols) + "/seed" + std::to_string(seed);
    benchmark::RegisterBenchmark(name.c_str(), [rows, cols, seed](benchmark::State& state) {
        const bench::DefaultLexicon& d = defaults();
        const Grid pattern = fixedPattern(rows, cols, 0.16, seed);
        FillOptions options;
        options.active = d.active;
        options.rules = d.rules;
        options.seconds = settings.seconds;
        options.seed = seed;
        for (auto _ : state) {
            const FillResult result = fill(d.table, pattern, options);
            state.SetIterationTime(result.seconds);
            Made made = madeBy(rows, cols, seed, result.outcome == FillOutcome::Filled);
            made.black = blackCount(pattern);
            if (made.found) {
                made.firstSeconds = result.seconds;
                judge(result.grid, made);
                made.fault = result.report.refused.empty() && result.report.repeated.empty() ? "" : "refused or repeated";
            }
            state.SetLabel(made.found ? "filled" : "not filled");
            references.push_back(made);
        }
    })->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
}

std::string kindsText(const Made& made) {
    std::string text;
    for (int k = 0; k < WORD_KINDS; ++k)
        if (made.kinds[size_t(k)])
            text += std::string(text.empty() ? "" : " ") + std::string(kindKey(WordKind(k))) + " " +
                    std::to_string(made.kinds[size_t(k)]);
    if (text.empty()) return "-";
    char familiarity[32];
    std::snprintf(familiarity, sizeof familiarity, ", familiarity %.1f", made.familiarity);
    return text + familiarity;
}

void printRuns() {
    std::printf("\n%-8s %-5s %-28s %-28s %s\n", "size", "seed", "generateSchema: black, first", "fill of a 16% pattern",
                "entries by kind (schema | reference)");
    for (const Made& made : schemas) {
        const auto ref = std::find_if(references.begin(), references.end(),
                                      [&](const Made& r) { return r.size == made.size && r.seed == made.seed; });
        char ours[64], theirs[64] = "not run";
        if (made.found)
            std::snprintf(ours, sizeof ours, "%d (%.1f%%), %.2f s", made.black, 100.0 * made.black / made.cells, made.firstSeconds);
        else
            std::snprintf(ours, sizeof ours, "none");
        if (ref != references.end())
            std::snprintf(theirs, sizeof theirs, "%d black: %s", ref->black,
                          ref->found ? (std::to_string(ref->firstSeconds).substr(0, 5) + " s").c_str() : "not filled");
        std::printf("%-8s %-5llu %-28s %-28s %s | %s\n", made.size.c_str(), (unsigned long long)made.seed, ours, theirs,
                    kindsText(made).c_str(), ref != references.end() ? kindsText(*ref).c_str() : "-");
        if (!made.fault.empty()) std::printf("         validator: %s\n", made.fault.c_str());
    }
}

void printTargets() {
    double first13 = 0;
    int black13 = 1 << 30, black1112 = 1 << 30;
    bool firstMissing = false, valid = true;
    for (const Made& made : schemas) {
        valid = valid && made.fault.empty();
        if (made.size == "13x13") {
            firstMissing = firstMissing || !made.found;
            first13 = std::max(first13, made.firstSeconds);
            if (made.found) black13 = std::min(black13, made.black);
        }
        if (made.size == "11x12" && made.found) black1112 = std::min(black1112, made.black);
    }
    std::printf("\ntargets (the rules %s):\n", defaults().rules ? "on" : "OFF: no word facts");
    if (first13 > 0 || firstMissing)
        std::printf("  first valid 13x13 within 10 s: slowest seed %s\n",
                    firstMissing ? "found none" : (std::to_string(first13).substr(0, 5) + " s").c_str());
    if (black13 < (1 << 30)) std::printf("  13x13 at most 15%% black: fewest %d (%.1f%%)\n", black13, 100.0 * black13 / 169);
    if (black1112 < (1 << 30)) std::printf("  11x12 at most 20 black: fewest %d\n", black1112);
    std::printf("  every schema passes the validator: %s\n", valid ? "yes" : "NO");
}

void printLoad(const char* when) {
    std::ifstream in("/proc/loadavg");
    std::string one, five;
    in >> one >> five;
    std::printf("load average %s: %s (1 min), %s (5 min)\n", when, one.c_str(), five.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--dir=", 0) == 0) settings.folder = arg.substr(6);
        else if (arg.rfind("--seconds=", 0) == 0) settings.seconds = std::atof(arg.c_str() + 10);
        else rest.push_back(argv[i]);
    }
    int restCount = int(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    for (const auto& [rows, cols] : std::vector<std::pair<int, int>>{{9, 9}, {11, 12}, {13, 13}, {15, 15}, {13, 21}})
        for (uint64_t seed = 1; seed <= 3; ++seed) {
            registerSchema(rows, cols, seed);
            registerReference(rows, cols, seed);
        }
    printLoad("at the start");
    benchmark::RunSpecifiedBenchmarks();
    printLoad("at the end");
    printRuns();
    printTargets();
    benchmark::Shutdown();
    return 0;
}
