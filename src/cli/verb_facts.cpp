#include <array>
#include <chrono>
#include <iostream>

#include "cli_files.h"
#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/facts_file.h"
#include "core/dictionary/word_table.h"
#include "core/facts/facts_maker.h"
#include "facts_sources_cli.h"
#include "verbs.h"

namespace quirvo::cli {

namespace {

constexpr char HELP_HEAD[] = R"(Usage: quirvo-diz facts [--dir DIR] [--out FILE] --npm DIR --data DIR [sources]

Makes the word facts file (parole.fatti) for the default dictionaries of
DIR (default: the current folder): base.diz, forme.diz, sigle.dic and
nomi.dic, loaded as QUIRVO loads them. Every word of them gets its kinds
(noun or adjective, infinitive, participles, gerund, finite verb, verb with
pronouns, truncated, function word, name, sigla, roman numeral, or unknown),
its lemma, its familiarity (0-100, from frequency ranks) and its sources;
names and sigle get notes on what they stand for. The other dictionaries of
DIR are the setter's own and are left out. Prints how many words got each
kind to stderr.

  --out FILE      where to write (default DIR/parole.fatti)

)";

constexpr std::array<const char*, 4> DEFAULTS{"base.diz", "forme.diz", "sigle.dic", "nomi.dic"};

bool parseOwn(const std::vector<std::string>& args, std::string& dir, std::string& out) {
    for (size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--dir" || args[i] == "--out") && i + 1 < args.size()) {
            (args[i] == "--dir" ? dir : out) = args[i + 1];
            ++i;
            continue;
        }
        std::cerr << "quirvo-diz facts: unexpected argument: " << args[i] << "\n";
        return false;
    }
    if (out.empty()) out = dir + "/parole.fatti";
    return true;
}

// The default dictionaries of the folder, in the slots loading gave them.
bool loadDefaults(const std::string& dir, DictionarySet& defaults) {
    DictionarySet loaded;
    Progress progress;
    const LoadReport report = loadDictionaries(dir, loaded, progress);
    if (report.fatal) {
        std::cerr << "quirvo-diz facts: " << report.fatalMessage << "\n";
        return false;
    }
    for (const char* name : DEFAULTS) {
        bool found = false;
        for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot)
            if (loaded[slot].dictFileName == name) {
                defaults[slot] = std::move(loaded[slot]);
                found = true;
            }
        if (!found) {
            std::cerr << "quirvo-diz facts: " << dir << " lacks the default dictionary " << name << "\n";
            return false;
        }
    }
    return true;
}

void reportCounts(const std::string& bytes, double seconds) {
    const auto file = FactsFile::decode(bytes);
    std::array<size_t, WORD_KINDS> all{}, short38{};
    file->forEachWord([&](std::string_view word, const FactRecord& r) {
        const size_t kind = size_t(bestKind(r.kinds));
        ++all[kind];
        if (word.size() >= 3 && word.size() <= 8) ++short38[kind];
    });
    std::cerr << "quirvo-diz facts: " << file->wordCount() << " words, " << file->lemmaCount() << " lemmas, "
              << file->notes().size() << " notes, " << bytes.size() << " bytes in " << seconds << " s\n"
              << "  best kind: all words / words of 3-8 letters\n";
    for (int k = 0; k < WORD_KINDS; ++k)
        std::cerr << "  " << kindKey(WordKind(k)) << ": " << all[size_t(k)] << " / " << short38[size_t(k)] << "\n";
}

int runFacts(const std::vector<std::string>& given) {
    const auto started = std::chrono::steady_clock::now();
    std::vector<std::string> args = given;
    SourcePaths paths;
    std::string dir = ".", out;
    if (!parseSourcePaths("facts", args, paths) || !parseOwn(args, dir, out)) return 2;
    FactsSources sources;
    if (!readSourceFiles(paths, sources)) return 1;
    DictionarySet defaults;
    if (!loadDefaults(dir, defaults)) return 1;
    const WordTable table(defaults);
    std::string error;
    const std::string bytes = makeFacts(sources, table, {DEFAULTS.begin(), DEFAULTS.end()}, error);
    if (!error.empty()) {
        std::cerr << "quirvo-diz facts: " << error << "\n";
        return 1;
    }
    if (!writeFile(out, bytes)) return 1;
    reportCounts(bytes, std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    return 0;
}

const std::string HELP = std::string(HELP_HEAD) + SOURCE_OPTIONS_HELP +
                         "\nExit status: 0 written, 1 a source or dictionary cannot be read or the file not\n"
                         "written, 2 bad arguments.\n";

const VerbRegistration registration({"facts", "make the word facts file (parole.fatti) of the default dictionaries",
                                     HELP, runFacts});

}  // namespace

}  // namespace quirvo::cli
