#include <filesystem>
#include <iostream>

#include "core/common/progress.h"
#include "core/common/text_encoding.h"
#include "core/dictionary/dictionary_loader.h"
#include "core/tools/anagram.h"
#include "json_output.h"
#include "verbs.h"

namespace quirvo::cli {
namespace {

// The outcome as one JSON object; the dictionary's code page 1252 bytes
// become UTF-8.
void printOutcome(const AnagramOutcome& outcome, std::ostream& out) {
    out << "{\"lines\": [";
    for (size_t i = 0; i < outcome.lines.size(); ++i)
        out << (i ? ", " : "") << jsonString(cp1252ToUtf8(outcome.lines[i]));
    out << "], \"panel2\": " << jsonString(cp1252ToUtf8(outcome.panel2))
        << ", \"panel3\": " << jsonString(cp1252ToUtf8(outcome.panel3)) << "}\n";
}

int runAnagram(const std::vector<std::string>& args) {
    std::string folder = std::filesystem::current_path().string();
    std::vector<std::string> words;
    bool missingFolder = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--dir") words.push_back(args[i]);
        else if (i + 1 < args.size()) folder = args[++i];
        else missingFolder = true;
    }
    if (missingFolder || words.size() != 1) {
        std::cerr << "quirvo-diz anagram: expected [--dir DIR] WORD (quote WORD if it holds blanks)\n";
        return 2;
    }
    DictionarySet dictionaries;
    Progress progress;
    const LoadReport report = loadDictionaries(folder, dictionaries, progress);
    if (report.fatal) {
        std::cerr << "quirvo-diz anagram: " << report.fatalMessage
                  << (report.fatalFile.empty() ? "" : " (" + report.fatalFile + ")") << "\n";
        return 1;
    }
    const AnagramIndex index(dictionaries[1]);
    printOutcome(anagrammi(index, utf8ToCp1252(words[0]), progress), std::cout);
    return 0;
}

const VerbRegistration registration{{
    "anagram",
    "anagrams of a word from the base dictionary, as the TEST tool lists them",
    "Usage: quirvo-diz anagram [--dir DIR] WORD\n\n"
    "Loads the dictionaries of DIR (default: the current directory, which must\n"
    "hold base.diz) and prints the anagrams of WORD from the base dictionary as\n"
    "the TEST tool shows them, one JSON object on one line:\n"
    "  {\"lines\": [...], \"panel2\": \"...\", \"panel3\": \"...\"}\n"
    "lines are in the order of the result list; panel2 and panel3 are the status\n"
    "texts. A blank inside WORD stands for any one letter. WORD is UTF-8 and is\n"
    "compared in upper case.\n\n"
    "Exit status: 0 with or without anagrams, 1 when the dictionaries cannot be\n"
    "loaded, 2 for a wrong command line.\n",
    runAnagram,
}};

}  // namespace
}  // namespace quirvo::cli
