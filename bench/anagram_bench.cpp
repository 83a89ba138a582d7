// Anagrams of the TEST word: the indexed scan against a plain line-by-line
// scan of the same base dictionary, in one run; and the whole quirvo-diz
// process against Debian's `an -l 1` over the same words.
//
// The base dictionary is build/programma/base.diz when the build has made
// it, else a list made here from /usr/share/dict/italian. Each timed query
// is checked against the plain scan before timing starts.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/common/text_encoding.h"
#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/dictionary_scan.h"
#include "core/tools/anagram.h"
#include "core/dictionary/vowel_sets.h"

extern char** environ;

namespace {

using namespace quirvo;

const std::map<int, std::string> TEST_WORDS = {{4, "ROMA"}, {8, "VISITARE"}, {13, "TRASPIRASSERO"}};

// Upper case, accents dropped, letters only; else "".
std::string plainEntry(const std::string& utf8) {
    std::string out;
    for (char32_t c : decodeUtf8(upperUtf8(utf8))) {
        static const std::u32string accented = U"ÀÈÉÌÒÙ", plain = U"AEEIOU";
        if (const size_t at = accented.find(c); at != std::u32string::npos) c = plain[at];
        if (c < 'A' || c > 'Z') return {};
        out += static_cast<char>(c);
    }
    return out;
}

// Words that differ only in a final A/E/I/O share one line ending in the
// symbol of their vowel set, as the base dictionary stores them.
std::string synthesiseBase() {
    std::ifstream in("/usr/share/dict/italian");
    std::vector<std::string> words;
    for (std::string w; std::getline(in, w);)
        if (std::string e = plainEntry(w); e.size() >= 2) words.push_back(std::move(e));
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    std::map<std::string, std::string> finals = {{"AE", "!"}, {"AI", "#"},  {"EI", "$"},  {"AEI", "%"},
                                                 {"AO", "&"}, {"EO", "("},  {"AEO", ")"}, {"AIO", "+"},
                                                 {"EIO", "-"}, {"IO", "="}, {"AEIO", "@"}};
    std::map<std::string, std::string> byStem;  // stem -> final vowels
    std::string text;
    std::vector<std::string> lines;
    for (const std::string& w : words) {
        if (std::string("AEIO").find(w.back()) != std::string::npos) byStem[w.substr(0, w.size() - 1)] += w.back();
        else lines.push_back(w);
    }
    for (const auto& [stem, vowels] : byStem) {
        if (vowels.size() == 1) lines.push_back(stem + vowels);
        else lines.push_back(stem + finals[vowels]);
    }
    std::sort(lines.begin(), lines.end());
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

// The scan written as the composer first did it: every line located by
// searching for the separator, the length compared, each letter of the
// TEST word looked for in the candidate and blanked, the window given a
// chance once per line and once per letter.
std::vector<std::string> plainScan(const std::string& text, const std::string& word, Progress& progress) {
    std::vector<std::string> found;
    const std::string_view all(text);
    size_t pos = 0;
    do {
        progress.tick();
        size_t e = all.find("\r\n", pos);
        if (e == std::string_view::npos) e = all.size();
        const std::string_view line = all.substr(pos, e - pos);
        pos = e + 2;
        if ((!line.empty() && line[0] == '\'') || line.size() != word.size()) continue;
        const VowelSet* set = findVowelSet(line.back());
        const std::string_view vowels = set ? set->vowels : std::string_view();
        std::vector<std::string> candidates;
        if (vowels.empty()) candidates.emplace_back(line);
        for (char v : vowels) candidates.push_back(std::string(line.substr(0, line.size() - 1)) + v);
        for (const std::string& c : candidates) {
            std::string left = c, copy = word;
            bool match = true;
            for (char& ch : copy) {
                progress.tick();
                if (ch == ' ') continue;
                const size_t at = left.find(ch);
                if (at == std::string::npos) {
                    match = false;
                    break;
                }
                left[at] = ' ';
                ch = ' ';
            }
            if (match && c != word) {
                found.push_back(c);
                break;
            }
        }
    } while (pos + 4 < all.size());
    std::sort(found.begin(), found.end());
    return found;
}

struct Base {
    Dictionary dict;
    std::string origin;
};

const Base& base() {
    static const Base b = [] {
        Base made;
        const std::filesystem::path built = std::filesystem::path(QUIRVO_PROGRAM_FOLDER) / BASE_DICTIONARY;
        DictionarySet set;
        Progress progress;
        if (std::filesystem::exists(built) &&
            !loadDictionaries(built.parent_path().string(), set, progress).fatal) {
            made.dict = std::move(set[1]);
            made.origin = built.string();
        } else {
            made.dict = makeDictionary(BASE_DICTIONARY, synthesiseBase());
            made.origin = "synthetic from /usr/share/dict/italian";
        }
        return made;
    }();
    return b;
}

const AnagramIndex& index() {
    static const AnagramIndex i(base().dict);
    return i;
}

void checkAgreement(benchmark::State& state, const std::string& word) {
    Progress progress;
    const auto plain = plainScan(base().dict.dictText, word, progress);
    const auto indexed = anagrammi(index(), word, progress);
    const auto expected = plain.empty() ? std::vector<std::string>{" ", " nessun Anagramma "} : plain;
    if (indexed.lines != expected) state.SkipWithError("indexed and plain scans disagree");
    state.counters["results"] = static_cast<double>(plain.size());
}

void BM_AnagramPlainScan(benchmark::State& state) {
    const std::string& word = TEST_WORDS.at(static_cast<int>(state.range(0)));
    checkAgreement(state, word);
    Progress progress;
    for (auto _ : state) benchmark::DoNotOptimize(plainScan(base().dict.dictText, word, progress));
    state.SetLabel(base().origin);
}

void BM_AnagramIndexed(benchmark::State& state) {
    const std::string& word = TEST_WORDS.at(static_cast<int>(state.range(0)));
    checkAgreement(state, word);
    Progress progress;
    for (auto _ : state) benchmark::DoNotOptimize(anagrammi(index(), word, progress));
}

void BM_AnagramIndexBuild(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(AnagramIndex(base().dict).lineCount());
    state.counters["lines"] = static_cast<double>(index().lineCount());
    state.counters["bytes"] = static_cast<double>(base().dict.dictText.size());
}

// A folder holding only the base dictionary, for quirvo-diz, and the same
// words one per line, vowel sets written out, for `an`.
struct ProcessSetup {
    std::filesystem::path folder;
    std::filesystem::path wordList;
    std::string problem;
};

const ProcessSetup& processSetup() {
    static const ProcessSetup setup = [] {
        ProcessSetup s;
        const std::filesystem::path baseFile = std::filesystem::path(QUIRVO_PROGRAM_FOLDER) / "base.diz";
        if (!std::filesystem::exists(baseFile)) {
            s.problem = "no " + baseFile.string() + ": build the default dictionaries first";
            return s;
        }
        s.folder = std::filesystem::temp_directory_path() / "quirvo-anagram-bench";
        std::filesystem::create_directories(s.folder);
        std::filesystem::copy_file(baseFile, s.folder / "base.diz", std::filesystem::copy_options::overwrite_existing);
        s.wordList = s.folder / "words.txt";
        std::ofstream list(s.wordList);
        const std::string& text = base().dict.dictText;
        forEachLine(text, [&](size_t pos, size_t len) {
            const std::string line = text.substr(pos, len);
            if (line.empty() || line[0] == '\'') return;
            const VowelSet* set = findVowelSet(line.back());
            const std::string_view vowels = set ? set->vowels : std::string_view();
            if (vowels.empty()) list << lowerUtf8(cp1252ToUtf8(line)) << "\n";
            for (char v : vowels) list << lowerUtf8(cp1252ToUtf8(line.substr(0, len - 1) + v)) << "\n";
        });
        return s;
    }();
    return setup;
}

// Runs a program with its output thrown away; its exit status, or -1.
int runQuietly(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return status;
}

void timeProcess(benchmark::State& state, const std::vector<std::string>& command) {
    if (!processSetup().problem.empty()) {
        state.SkipWithError(processSetup().problem.c_str());
        return;
    }
    if (runQuietly(command) != 0) {
        state.SkipWithError(("failed: " + command[0]).c_str());
        return;
    }
    for (auto _ : state) runQuietly(command);
}

void BM_ProcessQuirvoDiz(benchmark::State& state) {
    const std::string& word = TEST_WORDS.at(static_cast<int>(state.range(0)));
    timeProcess(state, {QUIRVO_CLI_PATH, "anagram", "--dir", processSetup().folder.string(), word});
}

void BM_ProcessAn(benchmark::State& state) {
    const std::string& word = TEST_WORDS.at(static_cast<int>(state.range(0)));
    timeProcess(state, {"/usr/games/an", "-l", "1", "-d", processSetup().wordList.string(), lowerUtf8(word)});
}

BENCHMARK(BM_AnagramPlainScan)->Arg(4)->Arg(8)->Arg(13)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnagramIndexed)->Arg(4)->Arg(8)->Arg(13)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnagramIndexBuild)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProcessQuirvoDiz)->Arg(4)->Arg(8)->Arg(13)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ProcessAn)->Arg(4)->Arg(8)->Arg(13)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
