// Slot searches and a crossing trial over the default dictionaries, each
// timed with the indexed engine, with the plain line-by-line scan and (the
// searches) with grep -c over the dumped lists; then what the indexes add to
// loading. The ratios close the report.
//
// Run from the top of the worktree after a build, or name the program folder:
//   build/bench/search_bench [--dir=PROGRAM_FOLDER] [benchmark options]

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

#include "../tests/core/support/reference_scan.h"
#include "core/dictionary/crossing_trial.h"
#include "crossing_reference.h"
#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/fit_test.h"
#include "core/dictionary/search_index.h"
#include "core/dictionary/slot_search.h"
#include "core/presenting/result_lines.h"
#include "bench_times.h"

extern char** environ;

namespace {

using namespace quirvo;
namespace fs = std::filesystem;

struct Fixture {
    std::unique_ptr<const Lexicon> lexicon;
    DictMask active = 0;
    std::vector<std::string> dumped;  // one plain list file per active slot, for grep
    fs::path tempDir;
    std::string folder;
};
Fixture* fixture = nullptr;

void prepare(const std::string& folder) {
    fixture = new Fixture;
    DictionarySet dicts;
    Progress progress;
    const LoadReport report = loadDictionaries(folder, dicts, progress);
    if (report.fatal) {
        std::fprintf(stderr, "search_bench: %s: %s\n", folder.c_str(), report.fatalMessage.c_str());
        std::exit(1);
    }
    fixture->folder = folder;
    fixture->lexicon = std::make_unique<const Lexicon>(std::move(dicts));
    fixture->active = activeMask(fixture->lexicon->dictionaries());
    fixture->tempDir = fs::temp_directory_path() / ("search_bench_" + std::to_string(getpid()));
    fs::create_directories(fixture->tempDir);
    size_t lines = 0, bytes = 0;
    for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot) {
        const Dictionary& d = (*fixture->lexicon)[slot];
        if (!d.present()) continue;
        const fs::path file = fixture->tempDir / ("slot" + std::to_string(slot) + ".txt");
        std::ofstream(file, std::ios::binary) << d.dictText;
        fixture->dumped.push_back(file.string());
        lines += fixture->lexicon->indexes()[slot].lineCount();
        bytes += d.dictText.size();
    }
    std::printf("dictionaries of %s: %d, %zu lines, %zu bytes of plain text\n", folder.c_str(),
                fixture->lexicon->dictionaries().loadedCount(), lines, bytes);
}

// grep's equivalent of a slot pattern over CR LF lines: "?" any character,
// a letter that letter or a character of code 64 or less, "*" one
// character plus as many as the free end allows; remark lines excluded.
std::string grepPattern(const SlotQuery& q) {
    const std::string p(q.pattern);
    const bool head = p.front() == '*', tail = p.back() == '*';
    const size_t extra = q.full.size() - p.size();
    std::string re = "^";
    if (head) re += ".{0," + std::to_string(extra) + "}";
    for (size_t k = 0; k < p.size(); ++k) {
        const char c = p[k];
        std::string cls = c == '?' || c == '*' ? "." : std::string("[") + c + "\x01-@]";
        if (k == 0 && cls == ".") cls = "[^'#]";
        re += cls;
    }
    if (tail) re += ".{0," + std::to_string(extra) + "}";
    return re + "\r$";
}

long runGrep(const std::string& regex) {
    std::vector<std::string> args = {"grep", "-c", "-E", regex};
    args.insert(args.end(), fixture->dumped.begin(), fixture->dumped.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    char locale[] = "LC_ALL=C";
    char* env[] = {locale, nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "grep", &actions, nullptr, argv.data(), env) != 0) return -1;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct SlotCase {
    std::string name, pattern, full, headCut;
};

std::vector<SlotCase> slotCases() {
    return {
        {"initial_CAS?", "CAS?", "CAS?", ""},
        {"initial_P??T??E", "P??T??E", "P??T??E", ""},
        {"initial_M?N???R?", "M?N???R?", "M?N???R?", ""},
        {"leading_??S?A", "??S?A", "??S?A", ""},
        {"leading_???T?R?", "???T?R?", "???T?R?", ""},
        {"leading_?????????O", "?????????O", "?????????O", ""},
        {"freehead_????NTE", "*NTE", "????NTE", "???"},
        {"freehead_?????R?A", "*R?A", "?????R?A", "????"},
        {"freetail_CAN???", "CAN*", "CAN???", "???"},
        {"freetail_PRE?????", "PRE*", "PRE?????", ""},
        {"none_QZ??X?", "QZ??X?", "QZ??X?", ""},
        {"none_??XQ??", "??XQ??", "??XQ??", ""},
    };
}

// The engine against the plain scan by CPU time, against grep (a child
// process) by wall time.
bench::TimesReporter reporter;
std::map<std::string, double>& cpuTimes = reporter.cpu;
std::map<std::string, double>& realTimes = reporter.real;

void registerSlotCase(const SlotCase& c, bool estesa) {
    const std::string base = std::string(estesa ? "estesa/" : "slot/") + c.name;
    benchmark::RegisterBenchmark((base + "/indexed").c_str(), [c, estesa](benchmark::State& state) {
        const SlotQuery q{c.pattern, c.full, c.headCut, estesa};
        size_t found = 0;
        for (auto _ : state) {
            Progress progress;
            // The hits and their list lines: the work a search did before
            // the lines were made outside the scan.
            const std::vector<std::string> lines =
                linesInScanOrder(scanSlot(*fixture->lexicon, fixture->active, q, progress));
            found = lines.size();
            benchmark::DoNotOptimize(lines.data());
        }
        state.counters["entries"] = static_cast<double>(found);
    });
    benchmark::RegisterBenchmark((base + "/plain").c_str(), [c, estesa](benchmark::State& state) {
        const SlotQuery q{c.pattern, c.full, c.headCut, estesa};
        size_t found = 0;
        for (auto _ : state) {
            Progress progress;
            found = reference::scanSlot(fixture->lexicon->dictionaries(), q, progress).entries.size();
            benchmark::DoNotOptimize(found);
        }
        state.counters["entries"] = static_cast<double>(found);
    });
    if (estesa) return;
    benchmark::RegisterBenchmark((base + "/grep").c_str(), [c](benchmark::State& state) {
        const std::string re = grepPattern(SlotQuery{c.pattern, c.full, c.headCut, false});
        long matches = 0;
        for (auto _ : state) matches = runGrep(re);
        state.counters["grep_exit"] = static_cast<double>(matches);
    });
}

void registerCrossing() {
    benchmark::RegisterBenchmark("cross/26_letters/indexed", [](benchmark::State& state) {
        int hits = 0;
        for (auto _ : state) hits = bench::crossingTrial26(*fixture->lexicon, fixture->active);
        state.counters["letters"] = hits;
    });
    benchmark::RegisterBenchmark("cross/26_letters/plain", [](benchmark::State& state) {
        int hits = 0;
        for (auto _ : state) {
            hits = 0;
            for (char letter = 'A'; letter <= 'Z'; ++letter) {
                Progress progress;
                std::string row = bench::CROSSING_ACROSS, col = bench::CROSSING_DOWN;
                row[row.find('#')] = letter;
                col[col.find('#')] = letter;
                if (reference::sugginc(fixture->lexicon->dictionaries(), row, true, progress).hit &&
                    reference::sugginc(fixture->lexicon->dictionaries(), col, true, progress).hit)
                    ++hits;
            }
        }
        state.counters["letters"] = hits;
    })->Unit(benchmark::kMillisecond);
}

// What loading costs: the program's loader, and the search indexes built
// on top of it.
void registerLoading() {
    benchmark::RegisterBenchmark("load/loader", [](benchmark::State& state) {
        for (auto _ : state) {
            DictionarySet dicts;
            Progress progress;
            benchmark::DoNotOptimize(loadDictionaries(fixture->folder, dicts, progress));
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("load/search_indexes", [](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(buildSearchIndexes(fixture->lexicon->dictionaries()));
    })->Unit(benchmark::kMillisecond);
}

void printRatios() {
    if (cpuTimes.count("load/loader") && cpuTimes.count("load/search_indexes"))
        std::printf("\nsearch indexes / loader: %.2f CPU time\n",
                    cpuTimes["load/search_indexes"] / cpuTimes["load/loader"]);
    std::printf("\n%-32s %12s %12s %9s %12s %9s\n", "case", "indexed us", "plain us", "x plain", "grep us",
                "x grep");
    for (const auto& [name, indexed] : cpuTimes) {
        const size_t cut = name.rfind("/indexed");
        if (cut == std::string::npos) continue;
        const std::string stem = name.substr(0, cut);
        const double plain = cpuTimes.count(stem + "/plain") ? cpuTimes[stem + "/plain"] : 0;
        std::printf("%-32s %12.2f %12.2f %9.1f", stem.c_str(), indexed * 1e6, plain * 1e6, plain / indexed);
        if (realTimes.count(stem + "/grep")) {
            const double grep = realTimes[stem + "/grep"];
            std::printf(" %12.1f %9.1f", grep * 1e6, grep / realTimes[name]);
        }
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> rest;
    const std::string folder = bench::takeFolderOption(argc, argv, rest);
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    prepare(folder);
    for (const SlotCase& c : slotCases()) registerSlotCase(c, false);
    for (const SlotCase& c : slotCases()) registerSlotCase(c, true);
    registerCrossing();
    registerLoading();
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios();
    fs::remove_all(fixture->tempDir);
    benchmark::Shutdown();
    return 0;
}
