#include <iostream>

#include "cli_files.h"
#include "core/dictionary/dictionary_loader.h"
#include "verbs.h"

namespace quirvo::cli {

namespace {

constexpr char HELP[] = R"(Usage: quirvo-diz dump FILE

Writes to standard output the plain list of the dictionary FILE (.diz, or a
plain .dic list) exactly as QUIRVO loads it: a .diz is decoded, then line
ends become CR LF, blanks around lines and empty lines go, and letters
outside remark lines become upper case.

Exit status: 0 done, 1 FILE is no valid .diz, 2 bad arguments or unreadable file.
)";

int runDump(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << "quirvo-diz dump: expected one FILE\n";
        return 2;
    }
    std::string bytes;
    if (!readFile(args[0], bytes)) return 2;
    const PlainListResult plain = plainListFromFile(args[0], std::move(bytes));
    if (plain.error != DizError::None) {
        std::cerr << "quirvo-diz dump: " << args[0] << ": " << dizErrorText(plain.error) << "\n";
        return 1;
    }
    std::cout.write(plain.text.data(), static_cast<std::streamsize>(plain.text.size())).flush();
    return std::cout ? 0 : 2;
}

const VerbRegistration registration({"dump", "write the plain list of a dictionary as QUIRVO loads it", HELP, runDump});

}  // namespace

}  // namespace quirvo::cli
