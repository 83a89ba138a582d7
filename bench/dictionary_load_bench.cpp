// Loading the default dictionaries (and lists) through the program's own loader,
// against the least any reader has to do with the same files: read them and
// inflate their zlib bodies, and read them and decompress them to the plain
// text (inflate, then undo the front coding, without any check). The ratios
// of the times, and the peak memory of each, are printed at the end. Beside
// them, the word facts: reading and checking parole.fatti, and laying its
// records out beside the word table, against loading the dictionaries.
//
// Run from the top of the worktree after a build (the dictionaries are in
// build/programma), or name the folder:
//   build/bench/dictionary_load_bench [--folder=PATH] [benchmark options]
//   QUIRVO_PROGRAM_FOLDER=PATH build/bench/dictionary_load_bench
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdlib>
#include <filesystem>
#include <vector>
#include <fstream>
#include <iostream>
#include <map>

#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/diz_codec.h"
#include "core/dictionary/facts_file.h"
#include "core/dictionary/word_facts.h"

namespace {

namespace fs = std::filesystem;
const char* const DICTIONARIES[] = {"base.diz", "forme.diz"};
// The lists the program loads beside them, as the facts were made for all.
const char* const LISTS[] = {"nomi.dic", "sigle.dic"};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t headerField(const std::string& diz, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(diz[at + i]);
    return v;
}

std::string inflateBody(const std::string& diz) {
    uLongf size = headerField(diz, 24);
    std::string coded(size, '\0');
    if (uncompress(reinterpret_cast<Bytef*>(coded.data()), &size,
                   reinterpret_cast<const Bytef*>(diz.data() + quirvo::DIZ_HEADER_SIZE),
                   diz.size() - quirvo::DIZ_HEADER_SIZE) != Z_OK)
        std::abort();
    return coded;
}

uint32_t varint(const std::string& coded, size_t& at) {
    uint32_t v = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(coded[at++]);
        v |= static_cast<uint32_t>(byte & 0x7f) << shift;
        if (!(byte & 0x80)) return v;
    }
}

// First reference: whole files read, bodies inflated into buffers of the
// declared size. Returns the bytes made, so nothing is optimised away.
size_t readAndInflate(const fs::path& folder) {
    size_t total = 0;
    for (const char* name : DICTIONARIES) total += inflateBody(readFile(folder / name)).size();
    return total;
}

// Second reference: the plain text rebuilt line by line, trusting the file.
size_t readAndDecompress(const fs::path& folder) {
    size_t total = 0;
    for (const char* name : DICTIONARIES) {
        const std::string diz = readFile(folder / name);
        const std::string coded = inflateBody(diz);
        std::string plain;
        plain.reserve(headerField(diz, 16));
        size_t at = 0, previous = 0;
        while (at < coded.size()) {
            const uint32_t shared = varint(coded, at), rest = varint(coded, at);
            if (!plain.empty()) plain += "\r\n";
            const size_t start = plain.size();
            plain.append(plain, previous, shared);
            plain.append(coded, at, rest);
            at += rest;
            previous = start;
        }
        total += plain.size();
    }
    return total;
}

size_t loadThroughTheProgram(const fs::path& folder) {
    quirvo::DictionarySet dicts;
    quirvo::Progress progress;
    const quirvo::LoadReport report = quirvo::loadDictionaries(folder.string(), dicts, progress);
    if (report.fatal || dicts.loadedCount() != 4) std::abort();
    size_t bytes = 0;
    for (int slot = 1; slot <= 4; ++slot) bytes += dicts[slot].dictText.size();
    return bytes;
}

// Peak resident memory, in MiB, of a child process doing the work once.
double peakMemoryOf(size_t (*work)(const fs::path&), const fs::path& folder) {
    const pid_t child = fork();
    if (child == 0) _exit(work(folder) > 0 ? 0 : 1);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Keeps the mean real and CPU time of each benchmark to print the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }
    void printRatio(const std::string& of, const std::string& to) {
        if (!times.count(of) || !times.count(to)) return;
        std::cout << of << " / " << to << ": " << times[of].first / times[to].first << " real time, "
                  << times[of].second / times[to].second << " CPU time\n";
    }
    void printSumRatio(const std::vector<std::string>& parts, const std::string& to) {
        double real = 0, cpu = 0;
        std::string name;
        for (const std::string& part : parts) {
            if (!times.count(part) || !times.count(to)) return;
            real += times[part].first;
            cpu += times[part].second;
            name += (name.empty() ? "" : " + ") + part;
        }
        std::cout << name << " / " << to << ": " << real / times[to].first << " real time, "
                  << cpu / times[to].second << " CPU time (target: at most 0.25)\n";
    }
    std::map<std::string, std::pair<double, double>> times;
};

size_t loadTheFacts(const fs::path& folder) {
    const quirvo::FactsLoad facts = quirvo::loadFacts(folder.string());
    if (!facts.file) std::abort();
    return facts.file->wordCount();
}

// The facts laid out beside the table of the two dictionaries, both made
// once, untimed.
void registerFactsLayout(const fs::path& folder) {
    benchmark::RegisterBenchmark("LayFactsOut", [folder](benchmark::State& state) {
        static const auto file = quirvo::loadFacts(folder.string()).file;
        static quirvo::DictionarySet dicts;
        static const quirvo::WordTable* table = [&] {
            quirvo::Progress progress;
            quirvo::loadDictionaries(folder.string(), dicts, progress);
            return new quirvo::WordTable(dicts);
        }();
        for (auto _ : state) benchmark::DoNotOptimize(quirvo::WordFacts(*table, *file, dicts).personalSlots());
    })->Unit(benchmark::kMillisecond)->UseRealTime();
}

fs::path sourceFolder(int& argc, char** argv) {
    fs::path folder = "build/programma";
    if (const char* env = std::getenv("QUIRVO_PROGRAM_FOLDER")) folder = env;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--folder=", 0) != 0) continue;
        folder = arg.substr(9);
        for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
        --argc;
        break;
    }
    return folder;
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path source = sourceFolder(argc, argv);
    // A folder holding only the default dictionaries.
    const fs::path folder = fs::temp_directory_path() / ("quirvo-load-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    std::vector<const char*> names(std::begin(DICTIONARIES), std::end(DICTIONARIES));
    names.insert(names.end(), std::begin(LISTS), std::end(LISTS));
    for (const char* name : names) {
        std::error_code ec;
        fs::copy_file(source / name, folder / name, ec);
        if (ec) {
            std::cerr << "cannot copy " << (source / name) << ": " << ec.message()
                      << "\n(build the default dictionaries first, or pass --folder=PATH)\n";
            fs::remove_all(folder);
            return 1;
        }
    }
    const double inflatePeak = peakMemoryOf(readAndInflate, folder);
    const double decompressPeak = peakMemoryOf(readAndDecompress, folder);
    const double loadPeak = peakMemoryOf(loadThroughTheProgram, folder);
    std::error_code noFacts;
    fs::copy_file(source / quirvo::FACTS_FILE_NAME, folder / quirvo::FACTS_FILE_NAME, noFacts);

    const auto add = [&](const char* name, size_t (*work)(const fs::path&)) {
        benchmark::RegisterBenchmark(name, [&folder, work](benchmark::State& state) {
            size_t bytes = 0;
            for (auto _ : state) benchmark::DoNotOptimize(bytes = work(folder));
            state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
        })->Unit(benchmark::kMillisecond)->UseRealTime();
    };
    add("ReadAndInflate", readAndInflate);
    add("ReadAndDecompress", readAndDecompress);
    add("LoadDictionaries", loadThroughTheProgram);
    if (!noFacts) {
        add("LoadFacts", loadTheFacts);
        registerFactsLayout(folder);
    }

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    fs::remove_all(folder);

    std::cout << "peak memory (MiB): LoadDictionaries " << loadPeak << ", ReadAndDecompress " << decompressPeak
              << ", ReadAndInflate " << inflatePeak << "\n";
    reporter.printRatio("LoadDictionaries", "ReadAndDecompress");
    reporter.printRatio("LoadDictionaries", "ReadAndInflate");
    reporter.printSumRatio({"LoadFacts", "LayFactsOut"}, "LoadDictionaries");
    return 0;
}
