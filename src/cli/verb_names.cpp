#include <iostream>

#include "cli_files.h"
#include "core/facts/facts_maker.h"
#include "facts_sources_cli.h"
#include "verbs.h"

namespace quirvo::cli {

namespace {

constexpr char HELP_HEAD[] = R"(Usage: quirvo-diz names --out FILE --npm DIR --data DIR [sources]

Writes the list nomi.dic is built from (with quirvo-diz build --keep-remarks):
Italian towns, provinces and regions, countries and capitals in Italian and
first names, names of one word only, as Italian writes them (UTF-8, one a
line), after one remark line per group on where it comes from. Prints to
stderr how many first names a second source supports.

  --out FILE      where to write the list

)";

int runNames(const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    SourcePaths paths;
    if (!parseSourcePaths("names", args, paths)) return 2;
    if (args.size() != 2 || args[0] != "--out") {
        std::cerr << "quirvo-diz names: expected --out FILE and the source options\n";
        return 2;
    }
    FactsSources sources;
    if (!readSourceFiles(paths, sources)) return 1;
    std::string error;
    const auto read = readSources(sources, error);
    if (!read) {
        std::cerr << "quirvo-diz names: " << error << "\n";
        return 1;
    }
    if (!writeFile(args[1], makeNamesList(*read))) return 1;
    std::cerr << "quirvo-diz names: " << read->firstNames.size() << " of " << read->firstNamesListed
              << " first names kept, " << read->places.towns.size() << " towns read\n";
    return 0;
}

const std::string HELP = std::string(HELP_HEAD) + SOURCE_OPTIONS_HELP +
                         "\nExit status: 0 written, 1 a source cannot be read or the list not written,\n"
                         "2 bad arguments.\n";

const VerbRegistration registration({"names", "write the names list that nomi.dic is built from", HELP, runNames});

}  // namespace

}  // namespace quirvo::cli
