#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/schema/structure.h"

namespace quirvo::cli {

// What the schema verb is given on its command line.
struct SchemaCliOptions {
    int rows = 0, cols = 0;  // 0 when not given
    std::string grid;        // --grid, "" for a blank start
    double maxBlackShare = 1.0 / 6;
    Symmetry symmetry = Symmetry::None;
    bool rules = true;  // --rules rivista
    double seconds = 60;
    uint64_t seed = 1;
    int count = 3;
    std::string dir = ".";
    std::string out;  // --out, "" for none
};

// Reads the verb's options; false with a message on stderr for anything
// unknown, malformed or out of range, or when the size is missing.
bool parseSchemaOptions(const std::vector<std::string>& args, SchemaCliOptions& options);

}  // namespace quirvo::cli
