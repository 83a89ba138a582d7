#include <iostream>
#include <stdexcept>

#include "cli_files.h"
#include "core/dictionary/diz_codec.h"
#include "verbs.h"

namespace quirvo::cli {

namespace {

constexpr char HELP[] = R"(Usage: quirvo-diz pack INPUT OUTPUT.diz

Stores the bytes of INPUT, exactly as they are (remarks, symbols, order and
line ends included), as the .diz dictionary OUTPUT.diz. `quirvo-diz dump`
of a packed list of sorted upper-case entries with CR LF line ends gives
back the same bytes. Use `quirvo-diz build` to make a clean dictionary out
of a word list instead.

Exit status: 0 done, 2 bad arguments or a file that cannot be read or written.
)";

int runPack(const std::vector<std::string>& args) {
    if (args.size() != 2 || !hasExtension(args[1], ".diz")) {
        std::cerr << "quirvo-diz pack: expected INPUT OUTPUT.diz\n";
        return 2;
    }
    std::string plain;
    if (!readFile(args[0], plain)) return 2;
    try {
        return writeFile(args[1], encodeDiz(plain)) ? 0 : 2;
    } catch (const std::length_error&) {
        std::cerr << "quirvo-diz pack: " << args[0] << ": too large for a dictionary\n";
        return 2;
    }
}

const VerbRegistration registration({"pack", "store a plain list byte for byte as a .diz dictionary", HELP, runPack});

}  // namespace

}  // namespace quirvo::cli
