#include <cstdio>
#include <iostream>

#include "cli_files.h"
#include "core/files/grid_file.h"
#include "core/schema/generate_schema.h"
#include "fill_cli.h"
#include "json_output.h"
#include "schema_cli.h"
#include "search_cli.h"
#include "verbs.h"

namespace quirvo::cli {

namespace {

constexpr char HELP[] = R"(Usage: quirvo-diz schema --rows R --cols C [--grid START.qrv]
                         [--max-black-share F] [--symmetry none|rotate|mirror]
                         [--rules rivista|nessuna] [--seconds S] [--seed N]
                         [--count K] [--dir DIR] [--out FILE.qrv]

Makes a schema libero: places the black cells and fills the grid with words
of the active dictionaries, no word twice, every white cell in a word of two
letters or more, the white cells all connected, no 2 x 2 square of black
cells. It looks for as few black cells as it can, then for the cheapest
words, until the time runs out, and prints one JSON object:
{"result": "filled"|"stopped", "schemas": [{"rows": [...], "black": n,
"cost": c}, ...], "seconds": x}
the best schemas first, each with its own black cells; "#" is a black cell.
"stopped" with no schema means none was found in the time.

  --rows R, --cols C
                  the size: 2 to 25 rows, 2 to 35 columns, 875 cells at most
  --grid FILE     start from a grid file: its letters and black cells stay
                  (theme words, a corner already made); its size is the
                  schema's, so --rows and --cols may be left out
  --max-black-share F
                  at most this share of the cells black (default 0.1667,
                  one cell in six)
  --symmetry S    none (the default); rotate: the black cells the same when
                  the grid is turned half round; mirror: the same when it is
                  reflected left to right
  --rules R       rivista (the default): only words a magazine would print,
                  by the word facts (parole.fatti), one form of a lemma per
                  grid; nessuna: every word of the active dictionaries
  --seconds S     time limit (default 60)
  --seed N        the same seed walks the same way (default 1)
  --count K       how many schemas to print at most (default 3)
  --dir DIR       the program folder with the dictionaries (default: the
                  current folder)
  --out FILE      write the best schema to FILE as a grid file

Exit status: 0 done (whatever the result), 1 the grid or the dictionaries
could not be read or the schema not written, 2 bad arguments.
)";

int fail(int status, const std::string& message) {
    std::cerr << "quirvo-diz schema: " << message << "\n";
    return status;
}

// The starting grid: the file's, or a blank one of the size given.
int readStart(const SchemaCliOptions& options, Grid& start) {
    if (options.grid.empty()) {
        if (!sizeWithinLimits(options.rows, options.cols))
            return fail(2, "--rows goes from 2 to 25 and --cols from 2 to 35, 875 cells at most");
        start = Grid::blank(options.rows, options.cols);
        return 0;
    }
    std::string bytes;
    if (!readFile(options.grid, bytes)) return 1;
    GridFileRead read = readGridFile(bytes);
    if (!read.ok()) return fail(1, options.grid + ": " + read.error);
    start = std::move(read.grid);
    const bool rowsDiffer = options.rows != 0 && options.rows != start.rowCount;
    const bool colsDiffer = options.cols != 0 && options.cols != start.colCount;
    if (rowsDiffer || colsDiffer) return fail(2, "--rows and --cols differ from the size of " + options.grid);
    return 0;
}

void printResult(const SchemaResult& result) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f", result.seconds);
    std::cout << "{\"result\": \"" << (result.outcome == SchemaOutcome::Filled ? "filled" : "stopped")
              << "\", \"schemas\": [";
    for (size_t i = 0; i < result.schemas.size(); ++i) {
        const Schema& schema = result.schemas[i];
        std::cout << (i ? ", " : "") << "{\"rows\": [";
        for (int r = 0; r < schema.grid.rowCount; ++r) std::cout << (r ? ", " : "") << jsonRow(schema.grid, r);
        std::cout << "], \"black\": " << schema.black << ", \"cost\": " << schema.cost << "}";
    }
    std::cout << "], \"seconds\": " << seconds << "}\n";
}

int runSchema(const std::vector<std::string>& args) {
    SchemaCliOptions options;
    if (!parseSchemaOptions(args, options)) return 2;
    Grid start;
    if (const int failed = readStart(options, start)) return failed;
    LexiconState lexicon;
    FactsLoad facts;
    if (const int failed = loadFolder("schema", options.dir, {}, lexicon, &facts)) return failed;
    SchemaOptions schemaOptions;
    schemaOptions.active = lexicon.activeDictionaries;
    schemaOptions.symmetry = options.symmetry;
    schemaOptions.maxBlackShare = options.maxBlackShare;
    schemaOptions.seconds = options.seconds;
    schemaOptions.seed = options.seed;
    schemaOptions.count = options.count;
    if (options.rules) {
        FillCliOptions ruleOptions;
        schemaOptions.rules = cliRules(ruleOptions, lexicon);
        if (!schemaOptions.rules) std::cerr << "quirvo-diz schema: " << facts.warning << "\n";
    }
    const SchemaResult result = generateSchema(lexicon.lexicon->words(), start, schemaOptions);
    if (!result.schemas.empty() && !options.out.empty() &&
        !writeFile(options.out, writeGridFile(result.schemas.front().grid)))
        return 1;
    printResult(result);
    return std::cout ? 0 : 2;
}

const VerbRegistration registration({"schema", "place the black cells and fill a schema libero", HELP, runSchema});

}  // namespace

}  // namespace quirvo::cli
