#include <algorithm>
#include <iostream>

#include "cli_files.h"
#include "core/dictionary/dictionary_check.h"
#include "core/dictionary/diz_codec.h"
#include "verbs.h"

namespace quirvo::cli {

namespace {

constexpr char HELP[] = R"(Usage: quirvo-diz check FILE...

Lists, with their line numbers, the lines of each dictionary (.diz or plain
list) that break the dictionary format: entries out of byte order (a search
can miss them), empty lines, blanks around an entry, lower case, first
characters outside "@".."Z" (never indexed), characters other than A-Z and
the vowel-set symbols, and line ends other than CR LF (the first one only).
Remark lines (starting with ' or #) are checked for blanks and line ends
only. A .diz is verified first, then its decoded text is checked.

Exit status: 0 no problem, 1 some problem or an invalid .diz, 2 bad
arguments or unreadable file.
)";

// Lists the problems of one file and returns its exit status.
int checkFile(const std::string& path) {
    std::string bytes;
    if (!readFile(path, bytes)) return 2;
    if (hasExtension(path, ".diz")) {
        DizDecodeResult decoded = decodeDiz(bytes);
        if (!decoded.ok()) {
            std::cout << path << ": " << dizErrorText(decoded.error) << "\n";
            return 1;
        }
        bytes = std::move(decoded.text);
    }
    const auto problems = checkPlainList(bytes);
    for (const auto& problem : problems)
        std::cout << path << ":" << problem.lineNumber << ": " << describeProblem(problem) << "\n";
    return problems.empty() ? 0 : 1;
}

int runCheck(const std::vector<std::string>& args) {
    if (args.empty()) {
        std::cerr << "quirvo-diz check: expected FILE...\n";
        return 2;
    }
    int status = 0;
    for (const auto& path : args) status = std::max(status, checkFile(path));
    return status;
}

const VerbRegistration registration({"check", "list out-of-order entries and bad lines of dictionaries", HELP, runCheck});

}  // namespace

}  // namespace quirvo::cli
