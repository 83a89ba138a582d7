#include "schema_cli.h"

#include <functional>
#include <iostream>
#include <map>

#include "number_option.h"

namespace quirvo::cli {

namespace {

constexpr char VERB[] = "schema";

bool fail(const std::string& message) {
    std::cerr << "quirvo-diz schema: " << message << "\n";
    return false;
}

bool parseSymmetry(const std::string& value, Symmetry& symmetry) {
    const std::map<std::string, Symmetry> names{
        {"none", Symmetry::None}, {"rotate", Symmetry::Rotate}, {"mirror", Symmetry::Mirror}};
    const auto at = names.find(value);
    if (at == names.end()) return fail("--symmetry takes none, rotate or mirror, not '" + value + "'");
    symmetry = at->second;
    return true;
}

using Setter = std::function<bool(const std::string& option, const std::string& value, SchemaCliOptions&)>;

const std::map<std::string, Setter>& setters() {
    static const std::map<std::string, Setter> table{
        {"--rows", [](auto& o, auto& v, auto& s) { return parseNumber(VERB, o, v, s.rows); }},
        {"--cols", [](auto& o, auto& v, auto& s) { return parseNumber(VERB, o, v, s.cols); }},
        {"--grid", [](auto&, auto& v, auto& s) { return s.grid = v, true; }},
        {"--max-black-share",
         [](auto& o, auto& v, auto& s) {
             if (!parseNumber(VERB, o, v, s.maxBlackShare)) return false;
             return s.maxBlackShare <= 1 || fail("--max-black-share is a share of the cells, from 0 to 1");
         }},
        {"--symmetry", [](auto&, auto& v, auto& s) { return parseSymmetry(v, s.symmetry); }},
        {"--rules",
         [](auto&, auto& v, auto& s) {
             if (v != "rivista" && v != "nessuna") return fail("--rules takes rivista or nessuna, not '" + v + "'");
             return s.rules = v == "rivista", true;
         }},
        {"--seconds", [](auto& o, auto& v, auto& s) { return parseNumber(VERB, o, v, s.seconds); }},
        {"--seed", [](auto& o, auto& v, auto& s) { return parseNumber(VERB, o, v, s.seed); }},
        {"--count",
         [](auto& o, auto& v, auto& s) {
             if (!parseNumber(VERB, o, v, s.count)) return false;
             return s.count >= 1 || fail("--count takes 1 or more");
         }},
        {"--dir", [](auto&, auto& v, auto& s) { return s.dir = v, true; }},
        {"--out", [](auto&, auto& v, auto& s) { return s.out = v, true; }},
    };
    return table;
}

}  // namespace

bool parseSchemaOptions(const std::vector<std::string>& args, SchemaCliOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const auto setter = setters().find(args[i]);
        if (setter == setters().end()) return fail("unknown option '" + args[i] + "'");
        if (i + 1 >= args.size()) return fail(args[i] + " needs a value");
        if (!setter->second(args[i], args[i + 1], options)) return false;
        ++i;
    }
    if (options.grid.empty() && (options.rows == 0 || options.cols == 0))
        return fail("give the size with --rows and --cols, or a starting grid with --grid");
    return true;
}

}  // namespace quirvo::cli
