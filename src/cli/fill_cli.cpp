#include "fill_cli.h"

#include <iostream>

#include "cli_files.h"
#include "core/files/grid_file.h"
#include "core/grid/cell_codes.h"
#include "json_output.h"
#include "number_option.h"
#include "search_cli.h"

namespace quirvo::cli {

namespace {

bool takesValue(const std::string& arg, bool fillVerb) {
    return arg == "--dir" || arg == "--off" || arg == "--rules" || arg == "--min-familiarity" ||
           (fillVerb && (arg == "--seconds" || arg == "--seed" || arg == "--out"));
}

bool parseRules(const std::string& verb, const std::string& value, bool& rules) {
    if (value == "rivista" || value == "nessuna") {
        rules = value == "rivista";
        return true;
    }
    std::cerr << "quirvo-diz " << verb << ": --rules takes rivista or nessuna, not '" << value << "'\n";
    return false;
}

bool parseValue(const std::string& verb, const std::string& arg, const std::string& value, FillCliOptions& options) {
    if (arg == "--dir") options.dir = value;
    else if (arg == "--off") return parseSlots(verb, value, options.off);
    else if (arg == "--seconds") return parseNumber(verb, arg, value, options.seconds);
    else if (arg == "--seed") return parseNumber(verb, arg, value, options.seed);
    else if (arg == "--rules") return parseRules(verb, value, options.rules);
    else if (arg == "--min-familiarity") {
        if (!parseNumber(verb, arg, value, options.minFamiliarity)) return false;
        if (options.minFamiliarity <= 100) return true;
        std::cerr << "quirvo-diz " << verb << ": --min-familiarity goes from 0 to 100\n";
        return false;
    }
    else options.out = value;
    return true;
}

}  // namespace

bool parseFillOptions(const std::string& verb, const std::vector<std::string>& args, bool fillVerb,
                      FillCliOptions& options) {
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (takesValue(arg, fillVerb)) {
            if (i + 1 >= args.size()) {
                std::cerr << "quirvo-diz " << verb << ": " << arg << " needs a value\n";
                return false;
            }
            if (!parseValue(verb, arg, args[++i], options)) return false;
        } else if (fillVerb && arg == "--improve") options.improve = true;
        else if (arg.size() > 1 && arg[0] == '-') {
            std::cerr << "quirvo-diz " << verb << ": unknown option '" << arg << "'\n";
            return false;
        } else positional.push_back(arg);
    }
    if (positional.size() != 1) {
        std::cerr << "quirvo-diz " << verb << ": expected one grid file\n";
        return false;
    }
    options.grid = positional[0];
    return true;
}

int loadGridAndDictionaries(const std::string& verb, const FillCliOptions& options, Grid& grid,
                            LexiconState& lexicon) {
    std::string bytes;
    if (!readFile(options.grid, bytes)) return 1;
    GridFileRead read = readGridFile(bytes);
    if (!read.ok()) {
        std::cerr << "quirvo-diz " << verb << ": " << options.grid << ": " << read.error << "\n";
        return 1;
    }
    grid = std::move(read.grid);
    for (int r = 0; r < grid.rowCount; ++r)
        for (int c = 0; c < grid.colCount; ++c)
            if (grid.cell(r, c) == ALT_BLACK_CELL) grid.setCell(r, c, BLACK_CELL);
    FactsLoad facts;
    if (const int failed = loadFolder(verb, options.dir, options.off, lexicon, &facts)) return failed;
    if (options.rules && !facts.file) std::cerr << "quirvo-diz " << verb << ": " << facts.warning << "\n";
    return 0;
}

std::shared_ptr<const WordRules> cliRules(const FillCliOptions& options, const LexiconState& lexicon) {
    const WordFacts* facts = lexicon.lexicon->facts();
    if (!facts) return nullptr;
    EditorRules settings;
    settings.on = true;
    settings.minFamiliarity = options.minFamiliarity;
    return std::make_shared<const WordRules>(*facts, settings);
}

std::string jsonRow(const Grid& grid, int row) {
    std::string text;
    for (int c = 0; c < grid.colCount; ++c) {
        const char code = grid.cell(row, c);
        text += code == BLACK_CELL ? '#' : isLetterCode(code) ? code : EMPTY_CELL;
    }
    return jsonString(text);
}

}  // namespace quirvo::cli
