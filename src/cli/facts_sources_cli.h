#pragma once

#include <string>
#include <vector>

#include "core/facts/fact_sources.h"

namespace quirvo::cli {

// Where the sources of the word facts and of nomi.dic are: Debian's files
// (defaults as Debian installs them), the unpacked npm packages and the
// committed lists of data/.
struct SourcePaths {
    std::string npm;   // --npm DIR: DIR/<package>/package/...
    std::string data;  // --data DIR: the repository's data/
    std::string hunspellDic = "/usr/share/hunspell/it_IT.dic";
    std::string hunspellAff = "/usr/share/hunspell/it_IT.aff";
    std::string wordList = "/usr/share/dict/italian";
    std::string isoCodes = "/usr/share/iso-codes/json";
    std::string cldr = "/usr/share/unicode/cldr/common";
    std::string dictd = "/usr/share/dictd";
};

// The options' help text, for the verbs' --help.
extern const char SOURCE_OPTIONS_HELP[];

// Takes the source options out of args (leaving the rest); false with a
// message on stderr for a missing value or a missing --npm or --data.
bool parseSourcePaths(const std::string& verb, std::vector<std::string>& args, SourcePaths& paths);

// Reads every source file; false after a message naming the one that
// cannot be read.
bool readSourceFiles(const SourcePaths& paths, FactsSources& sources);

}  // namespace quirvo::cli
