#include <nlohmann/json.hpp>

#include "core/common/text_encoding.h"
#include "core/document/clue_list.h"
#include "core/formats/ipuz.h"
#include "core/grid/cell_codes.h"
#include "core/grid/numbering.h"

namespace quirvo {

namespace {

using nlohmann::json;

// The numbered empty grid and the solution, row by row.
void addGrids(json& out, const Grid& grid) {
    const std::vector<int> numbers = numberCells(grid);
    json puzzle = json::array(), solution = json::array();
    for (int r = 0; r < grid.rowCount; ++r) {
        json puzzleRow = json::array(), solutionRow = json::array();
        for (int c = 0; c < grid.colCount; ++c) {
            const char code = grid.cell(r, c);
            if (code == BLACK_CELL) {
                puzzleRow.push_back("#");
                solutionRow.push_back("#");
                continue;
            }
            puzzleRow.push_back(numbers[static_cast<size_t>(r) * grid.colCount + c]);
            solutionRow.push_back(isLetterCode(code) ? std::string(1, code) : std::string());
        }
        puzzle.push_back(std::move(puzzleRow));
        solution.push_back(std::move(solutionRow));
    }
    out["puzzle"] = std::move(puzzle);
    out["solution"] = std::move(solution);
}

json clueArray(const Grid& grid, const Definitions& definitions, Direction direction) {
    json clues = json::array();
    for (const Clue& clue : cluesOf(grid, definitions, direction))
        clues.push_back(json::array({clue.number, validUtf8(clue.text)}));
    return clues;
}

}  // namespace

std::string writeIpuz(const Puzzle& puzzle) {
    const Grid grid = withStandardBlocks(puzzle.grid);
    json out;
    out["version"] = "http://ipuz.org/v2";
    out["kind"] = json::array({"http://ipuz.org/crossword#1"});
    out["origin"] = "QUIRVO";
    if (!puzzle.title.empty()) out["title"] = validUtf8(puzzle.title);
    if (!puzzle.author.empty()) out["author"] = validUtf8(puzzle.author);
    out["dimensions"] = {{"width", grid.colCount}, {"height", grid.rowCount}};
    out["block"] = "#";
    out["empty"] = 0;
    addGrids(out, grid);
    out["clues"] = {{"Across", clueArray(grid, puzzle.definitions, Direction::Across)},
                    {"Down", clueArray(grid, puzzle.definitions, Direction::Down)}};
    return out.dump(1) + "\n";
}

}  // namespace quirvo
