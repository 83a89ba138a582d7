#include <iostream>

#include "cli_files.h"
#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/diz_codec.h"
#include "core/dictionary/word_list_builder.h"
#include "verbs.h"

namespace quirvo::cli {

namespace {

constexpr char HELP[] = R"(Usage: quirvo-diz build [options] INPUT...

Makes a dictionary from word lists (UTF-8, or Latin-1 line by line where a
line is not valid UTF-8; one word a line; "-" reads standard input).
Each word is written in upper case with its accents dropped the way Italian
crosswords write it (città and CITTÀ both give CITTA; other Latin letters
too: Ç -> C, ß -> SS). Words still holding other characters after that
(apostrophes, hyphens, digits, blanks) are left out; so are duplicates.
The result is sorted by byte code, one entry a line, lines ended by CR LF.
A word ending in a vowel-set symbol (ROSS@) stands for its words (ROSSA
ROSSE ROSSI ROSSO), so the output of `quirvo-diz dump` can be fed back.

Options:
  --out FILE        write FILE: a .diz dictionary or a plain .dic list,
                    by its extension (default: the plain list on stdout)
  --vowel-sets      merge the words that differ only in their last vowel
                    among A, E, I, O into one entry with the vowel-set
                    symbol: ROSSA ROSSE ROSSI ROSSO -> ROSS@, CASA CASE -> CAS!
  --exclude FILE    leave out every word that the dictionary FILE (.diz or
                    plain list) holds, its vowel sets expanded; repeatable
  --strip-flags     inputs are Hunspell .dic files: keep each line up to "/"
                    or a tab (the count on the first line is no word)
  --keep-remarks    remark lines of the inputs (starting with "#" or "'")
                    go before the entries, in their order (a remark among
                    the entries would break the letter index)
  --min-length N    shortest word kept, in letters (default 2)
  --max-length N    longest word kept, in letters (default 35)

Exit status: 0 done, 2 bad arguments or a file that cannot be read or written.
)";

bool parseLength(const std::string& text, size_t& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 6) return false;
    value = std::stoul(text);
    return true;
}

struct BuildArguments {
    BuildOptions options;
    std::string out;
    std::vector<std::string> exclude, inputs;
};

bool parseArguments(const std::vector<std::string>& args, BuildArguments& parsed) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--vowel-sets") parsed.options.vowelSets = true;
        else if (arg == "--strip-flags") parsed.options.stripFlags = true;
        else if (arg == "--keep-remarks") parsed.options.keepRemarks = true;
        else if (arg == "--out" && hasValue) parsed.out = args[++i];
        else if (arg == "--exclude" && hasValue) parsed.exclude.push_back(args[++i]);
        else if (arg == "--min-length" && hasValue && parseLength(args[i + 1], parsed.options.minLength)) ++i;
        else if (arg == "--max-length" && hasValue && parseLength(args[i + 1], parsed.options.maxLength)) ++i;
        else if (arg.size() > 1 && arg[0] == '-') {
            std::cerr << "quirvo-diz build: bad option or missing value: " << arg << "\n";
            return false;
        } else parsed.inputs.push_back(arg);
    }
    if (parsed.inputs.empty()) std::cerr << "quirvo-diz build: no INPUT given\n";
    if (!parsed.out.empty() && !hasExtension(parsed.out, ".diz") && !hasExtension(parsed.out, ".dic"))
        std::cerr << "quirvo-diz build: --out must name a .diz or .dic file\n";
    else if (!parsed.inputs.empty()) return true;
    return false;
}

bool addExclusions(WordListBuilder& builder, const std::vector<std::string>& files) {
    for (const auto& file : files) {
        std::string bytes;
        if (!readFile(file, bytes)) return false;
        const PlainListResult plain = plainListFromFile(file, std::move(bytes));
        if (plain.error != DizError::None) {
            std::cerr << "quirvo-diz build: " << file << ": " << dizErrorText(plain.error) << "\n";
            return false;
        }
        builder.exclude(plain.text);
    }
    return true;
}

void reportStats(const BuildStats& s, const BuildArguments& a) {
    std::cerr << "quirvo-diz build: " << s.lines << " lines read, " << s.invalid << " not words, " << s.wrongLength
              << " outside " << a.options.minLength << ".." << a.options.maxLength << " letters, " << s.words
              << " distinct words, " << s.excluded << " held by excluded dictionaries, " << s.entries
              << " entries written to " << (a.out.empty() ? "stdout" : a.out) << "\n";
}

int runBuild(const std::vector<std::string>& args) {
    BuildArguments parsed;
    if (!parseArguments(args, parsed)) return 2;
    WordListBuilder builder(parsed.options);
    if (!addExclusions(builder, parsed.exclude)) return 2;
    for (const auto& input : parsed.inputs)
        if (!readLines(input, [&](std::string_view lines) { builder.addText(lines); })) return 2;
    const std::string plain = joinPlainList(builder.finish());
    if (parsed.out.empty()) std::cout.write(plain.data(), static_cast<std::streamsize>(plain.size())).flush();
    else if (!writeFile(parsed.out, hasExtension(parsed.out, ".diz") ? encodeDiz(plain) : plain)) return 2;
    reportStats(builder.stats(), parsed);
    return std::cout ? 0 : 2;
}

const VerbRegistration registration({"build", "make a sorted dictionary (.diz or .dic) from word lists", HELP, runBuild});

}  // namespace

}  // namespace quirvo::cli
