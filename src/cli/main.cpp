#include <algorithm>
#include <iostream>

#include "verbs.h"

namespace quirvo::cli {

std::vector<Verb>& verbRegistry() {
    static std::vector<Verb> verbs;
    return verbs;
}

}  // namespace quirvo::cli

namespace {

int overview(std::ostream& out) {
    out << "quirvo-diz: builds, checks and queries QUIRVO dictionaries\n\n"
           "Usage: quirvo-diz VERB [options] [arguments]\n"
           "       quirvo-diz VERB --help\n\nVerbs:\n";
    auto verbs = quirvo::cli::verbRegistry();
    std::sort(verbs.begin(), verbs.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& verb : verbs) out << "  " << verb.name << "\t" << verb.summary << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        overview(std::cerr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") return overview(std::cout);
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const auto& verb : quirvo::cli::verbRegistry()) {
        if (verb.name != name) continue;
        if (std::find(args.begin(), args.end(), "--help") != args.end()) {
            std::cout << verb.help;
            return 0;
        }
        return verb.run(args);
    }
    std::cerr << "quirvo-diz: unknown verb '" << name << "'\n";
    overview(std::cerr);
    return 2;
}
