#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quirvo::cli {

// A verb of quirvo-diz. Each verb file registers itself with a static
// VerbRegistration, so adding a verb touches no other file.
struct Verb {
    std::string name;
    std::string summary;  // one line for the overview
    std::string help;     // full text for --help
    std::function<int(const std::vector<std::string>& args)> run;
};

std::vector<Verb>& verbRegistry();

struct VerbRegistration {
    explicit VerbRegistration(Verb verb) { verbRegistry().push_back(std::move(verb)); }
};

}  // namespace quirvo::cli
