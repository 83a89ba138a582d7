// Definition suggestions over the default dictionaries and their word facts:
// the suggestions for every entry of a filled 15 x 15 and a word search in
// an archive of 100,000 definitions, each against the 26-letter crossing
// trial of one click (and the search against a plain scan of the same
// definitions); then how many entries of filled grids get a suggestion, the
// grids filled as a fill first finds them and as it improves them.
//
// Run from the top of the worktree after a build, or name the program folder:
//   build/bench/clues_bench [--dir=PROGRAM_FOLDER] [benchmark options]

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "core/clues/sqlite_archive.h"
#include "core/clues/suggestions.h"
#include "core/dictionary/dictionary_loader.h"
#include "core/files/grid_file.h"
#include "core/fill/fill.h"
#include "core/grid/cell_codes.h"
#include "core/tools/hunspell_mythes_services.h"
#include "core/tools/mythes_thesaurus.h"
#include "bench_times.h"
#include "crossing_reference.h"
#include "default_lexicon.h"

namespace {

using namespace quirvo;
namespace fs = std::filesystem;

constexpr int ARCHIVED = 100000;

struct Fixture {
    const bench::DefaultLexicon* base = nullptr;
    WrittenForms written;
    std::unique_ptr<MythesThesaurus> thesaurus;
    std::unique_ptr<LetterPlayIndex> index;
    std::unique_ptr<SqliteArchive> archive;
    std::vector<ArchivedDefinition> plain;  // the archive's definitions, for the plain scan
    std::vector<std::string> archivedWords;
    std::vector<std::string> textWords;  // words of the archived texts, for the text search
    fs::path tempDir;
    Grid filled15;

    ClueSources sources(bool withArchive) const {
        return {base->lexicon.facts(), index.get(), &written, thesaurus.get(), withArchive ? archive.get() : nullptr};
    }
};
Fixture* fixture = nullptr;

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Grid gridOf(const std::string& name) {
    GridFileRead read = readGridFile(fileText(std::string(QUIRVO_BENCH_DIR) + "/grids/" + name));
    if (!read.ok()) {
        std::fprintf(stderr, "clues_bench: %s: %s\n", name.c_str(), read.error.c_str());
        std::exit(1);
    }
    return read.grid;
}

// The seconds a fill that improves itself is given ("Migliora la qualità").
constexpr double IMPROVE_SECONDS = 5;

// A fill under the editor's rules when there are facts, as the window makes
// it: the first fill found, or the best one found in a few seconds.
FillResult fillOf(const Grid& grid, uint64_t seed, bool improve = false) {
    FillOptions options;
    options.active = fixture->base->active;
    options.seconds = improve ? IMPROVE_SECONDS : 60;
    options.improve = improve;
    options.seed = seed;
    options.rules = fixture->base->rules;
    return fill(fixture->base->table, grid, options);
}

// 100,000 definitions of words of the lexicon, each text a few other words.
void fillArchive() {
    const WordTable& table = fixture->base->table;
    std::mt19937 random(7);
    std::vector<ArchivedDefinition> batch;
    for (int i = 0; i < ARCHIVED; ++i) {
        const int length = 2 + int(random() % 9);
        const std::string word(table.word(length, uint32_t(random() % table.count(length))));
        std::string text;
        for (int w = 0; w < 4; ++w) {
            const int l = 3 + int(random() % 8);
            text += (w ? " " : "") + std::string(table.word(l, uint32_t(random() % table.count(l))));
        }
        batch.push_back({word, text, "schema" + std::to_string(i % 500) + ".qrv",
                         "2026-" + std::to_string(10 + i % 3) + "-01 10:00:00"});
        if (i % 5000 == 0) {
            fixture->archivedWords.push_back(word);
            fixture->textWords.push_back(text.substr(0, text.find(' ')));
        }
    }
    fixture->archive->record(batch);
    fixture->plain = std::move(batch);
}

void prepare(const std::string& folder) {
    fixture = new Fixture;
    fixture->base = bench::loadDefaultLexicon("clues_bench", folder, FAMILIARITY_ALL);
    const WordFacts* facts = fixture->base->lexicon.facts();
    if (!facts) std::printf("(letter play, sigle, names and lemmas need the facts)\n");
    fixture->written = WrittenForms(fileText(ITALIAN_WORD_LIST));
    const LanguageDataPaths paths;
    fixture->thesaurus = MythesThesaurus::open(paths.indexFile(), paths.dataFile(), nullptr);
    const auto started = std::chrono::steady_clock::now();
    fixture->index = facts ? std::make_unique<LetterPlayIndex>(*facts, fixture->written)
                           : std::make_unique<LetterPlayIndex>();
    std::printf("letter-play index: %zu sources in %.0f ms\n", fixture->index->sourceCount(),
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count());

    fixture->tempDir = fs::temp_directory_path() / ("clues_bench_" + std::to_string(getpid()));
    fs::create_directories(fixture->tempDir);
    fixture->archive = SqliteArchive::open((fixture->tempDir / ARCHIVE_FILE_NAME).string(), nullptr);
    fillArchive();
    const FillResult filled = fillOf(gridOf("it_15x15.qrv"), 1);
    if (filled.outcome != FillOutcome::Filled) {
        std::fprintf(stderr, "clues_bench: it_15x15.qrv was not filled\n");
        std::exit(1);
    }
    fixture->filled15 = filled.grid;
}

bench::TimesReporter reporter;
std::map<std::string, double>& cpuTimes = reporter.cpu;

void registerAll() {
    benchmark::RegisterBenchmark("cross/26_letters", [](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(bench::crossingTrial26(fixture->base->lexicon, fixture->base->active));
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("suggest/filled_15x15", [](benchmark::State& state) {
        size_t suggestions = 0, slots = 0;
        for (auto _ : state) {
            const auto all = suggestGrid(fixture->sources(true), fixture->filled15);
            slots = all.size();
            suggestions = 0;
            for (const SlotSuggestions& s : all) suggestions += s.suggestions.size();
        }
        state.counters["slots"] = double(slots);
        state.counters["suggestions"] = double(suggestions);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("archive/word/sqlite", [](benchmark::State& state) {
        size_t i = 0, found = 0;
        for (auto _ : state) {
            const std::string& word = fixture->archivedWords[i++ % fixture->archivedWords.size()];
            found = fixture->archive->ofWord(word, 5).size();
        }
        state.counters["found"] = double(found);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("archive/word/plain", [](benchmark::State& state) {
        size_t i = 0, found = 0;
        for (auto _ : state) {
            const std::string& word = fixture->archivedWords[i++ % fixture->archivedWords.size()];
            found = 0;
            for (const ArchivedDefinition& d : fixture->plain) found += d.word == word;
        }
        state.counters["found"] = double(found);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("archive/text/sqlite", [](benchmark::State& state) {
        size_t i = 0, found = 0;
        for (auto _ : state) {
            const std::string& word = fixture->textWords[i++ % fixture->textWords.size()];
            found = fixture->archive->search(word, 50).size();
        }
        state.counters["found"] = double(found);
    })->Unit(benchmark::kMicrosecond);
}

// Every two-letter entry should get a letter play or a sigla, and nine in
// ten of all entries at least one suggestion.
void printCoverage(bool improve) {
    int twos = 0, twosCovered = 0, entries = 0, covered = 0, grids = 0;
    std::vector<std::string> bare, twosBare;
    for (const char* name : {"it_09x09.qrv", "it_10x10.qrv", "it_11x11.qrv", "it_12x12.qrv", "it_13x13.qrv",
                             "it_14x14.qrv", "it_15x15.qrv"})
        for (uint64_t seed = 1; seed <= 3; ++seed) {
            const FillResult filled = fillOf(gridOf(name), seed, improve);
            if (filled.outcome != FillOutcome::Filled) continue;
            ++grids;
            for (const SlotSuggestions& s : suggestGrid(fixture->sources(false), filled.grid)) {
                ++entries;
                covered += !s.suggestions.empty();
                if (s.suggestions.empty() && bare.size() < 40) bare.push_back(s.word);
                if (s.word.size() != 2) continue;
                ++twos;
                const bool played = std::any_of(s.suggestions.begin(), s.suggestions.end(), [](const Suggestion& g) {
                    return isLetterPlay(g.kind) || g.kind == SuggestionKind::Sigla;
                });
                twosCovered += played;
                if (!played) twosBare.push_back(s.word);
            }
        }
    std::printf("\ncoverage over %d fills%s%s:\n", grids, fixture->base->rules ? " under the editor's rules" : "",
                improve ? ", each improved for a few seconds" : "");
    std::printf("  two-letter entries with letter play or a sigla: %d of %d (%.1f%%)", twosCovered, twos,
                twos ? 100.0 * twosCovered / twos : 0.0);
    for (const std::string& w : twosBare) std::printf(" %s", w.c_str());
    std::printf("\n");
    std::printf("  entries with a suggestion: %d of %d (%.1f%%)\n", covered, entries,
                entries ? 100.0 * covered / entries : 0.0);
    std::printf("  some entries without one:");
    for (const std::string& w : bare) std::printf(" %s", w.c_str());
    std::printf("\n");
}

void printRatios() {
    const double cross = cpuTimes["cross/26_letters"];
    auto line = [&](const char* what, const std::string& name, const std::string& against, double reference) {
        if (!cpuTimes.count(name) || reference <= 0) return;
        std::printf("  %-44s %10.1f us  %8.2f x %s\n", what, cpuTimes[name] * 1e6, cpuTimes[name] / reference,
                    against.c_str());
    };
    std::printf("\nagainst the 26-letter crossing trial (%.1f us):\n", cross * 1e6);
    line("suggestions for every entry of a filled 15x15", "suggest/filled_15x15", "the trial", cross);
    line("word search, archive of 100,000", "archive/word/sqlite", "the trial", cross);
    line("text search, archive of 100,000", "archive/text/sqlite", "the trial", cross);
    line("word search, plain scan of the same", "archive/word/plain", "the trial", cross);
    if (cpuTimes.count("archive/word/sqlite") && cpuTimes.count("archive/word/plain"))
        std::printf("  word search: the archive %.0f times faster than the plain scan\n",
                    cpuTimes["archive/word/plain"] / cpuTimes["archive/word/sqlite"]);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> rest;
    const std::string folder = bench::takeFolderOption(argc, argv, rest);
    int restCount = int(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    prepare(folder);
    registerAll();
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios();
    printCoverage(false);
    printCoverage(true);
    std::error_code ignored;
    fs::remove_all(fixture->tempDir, ignored);
    return 0;
}
