#include <map>
#include <optional>
#include <utility>

#include <nlohmann/json.hpp>

#include "core/dictionary/word_folding.h"
#include "core/formats/ipuz.h"
#include "core/grid/cell_codes.h"
#include "core/grid/numbering.h"

namespace quirvo {

namespace {

using nlohmann::json;

constexpr std::size_t MAX_TEXT_BYTES = 2000;

// Thrown inside the reader only, with the Italian reason, and caught at its door.
struct Refusal {
    std::string reason;
};

[[noreturn]] void refuse(std::string reason) { throw Refusal{std::move(reason)}; }

// Deepest nesting of arrays and objects, counted on the bytes so that a
// hostile file never reaches the parser.
int nestingDepth(std::string_view bytes) {
    int depth = 0, deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            if (c == '\\') ++i;
            else if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

std::string textField(const json& doc, const char* name) {
    const auto it = doc.find(name);
    if (it == doc.end() || it->is_null()) return {};
    if (!it->is_string()) refuse(std::string("il campo \"") + name + "\" non è un testo");
    std::string text = it->get<std::string>();
    if (text.size() > MAX_TEXT_BYTES) refuse(std::string("il campo \"") + name + "\" è troppo lungo");
    return text;
}

void checkKind(const json& doc) {
    const auto kind = doc.find("kind");
    if (kind != doc.end() && kind->is_array())
        for (const json& k : *kind)
            if (k.is_string() && k.get<std::string>().find("ipuz.org/crossword") != std::string::npos) return;
    refuse("il file ipuz non descrive un cruciverba");
}

int dimension(const json& dims, const char* name) {
    const auto it = dims.find(name);
    if (it == dims.end() || !it->is_number_integer()) refuse("le dimensioni dello schema mancano o non sono numeri interi");
    const auto value = it->get<long long>();
    return value < 0 || value > 100000 ? 100000 : static_cast<int>(value);
}

// A rectangle of cells: height rows of width values each.
const json& cellRows(const json& doc, const char* name, int rows, int cols) {
    const json& grid = doc.at(name);
    bool rectangle = grid.is_array() && static_cast<int>(grid.size()) == rows;
    for (std::size_t r = 0; rectangle && r < grid.size(); ++r)
        rectangle = grid[r].is_array() && static_cast<int>(grid[r].size()) == cols;
    if (!rectangle)
        refuse(std::string("la griglia \"") + name + "\" non è un rettangolo di " + std::to_string(rows) + " righe per " +
               std::to_string(cols) + " colonne");
    return grid;
}

// How the file writes a block and an empty cell.
struct CellWords {
    std::string block = "#";
    std::string empty = "0";
};

std::string scalarText(const json& v) {
    if (v.is_string()) return v.get<std::string>();
    if (v.is_number_integer()) return std::to_string(v.get<long long>());
    refuse("una casella dello schema ha un tipo di valore non ammesso");
}

CellWords cellWords(const json& doc) {
    CellWords words;
    if (const auto it = doc.find("block"); it != doc.end()) words.block = scalarText(*it);
    if (const auto it = doc.find("empty"); it != doc.end()) words.empty = scalarText(*it);
    return words;
}

// One cell of the puzzle grid: a block, or white with its label (0 if none)
// and the letter given in it, if any.
struct PuzzleCell {
    bool block = false;
    int label = 0;
    std::string given;
};

int labelOf(const std::string& text) {
    if (text.empty() || text.size() > 4) return 0;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

PuzzleCell puzzleCell(const json& v, const CellWords& words) {
    PuzzleCell cell;
    const json* value = &v;
    if (v.is_object()) {
        if (const auto it = v.find("value"); it != v.end() && it->is_string()) cell.given = it->get<std::string>();
        const auto it = v.find("cell");
        if (it == v.end()) return cell;
        value = &*it;
    }
    if (value->is_null()) {
        cell.block = true;
        return cell;
    }
    const std::string text = scalarText(*value);
    cell.block = text == words.block;
    if (!cell.block && text != words.empty) cell.label = labelOf(text);
    return cell;
}

// The cell code for a solution value: a block, an empty cell or one letter
// folded as the dictionaries fold words.
char solutionCode(const json& v, const CellWords& words) {
    const json* value = &v;
    if (v.is_object()) {
        const auto it = v.find("value");
        if (it == v.end()) return EMPTY_CELL;
        value = &*it;
    }
    if (value->is_null()) return BLACK_CELL;
    if (!value->is_string()) refuse("una casella della soluzione non contiene un testo");
    const std::string text = value->get<std::string>();
    if (text == words.block) return BLACK_CELL;
    if (text.empty() || text == " " || text == words.empty) return EMPTY_CELL;
    const std::optional<std::string> folded = foldWord(text);
    if (!folded) refuse("la soluzione contiene \"" + text + "\", che non è una lettera");
    if (folded->size() != 1)
        refuse("la soluzione contiene \"" + text + "\" in una casella: QUIRVO ammette una sola lettera per casella");
    return (*folded)[0];
}

// Builds the grid from the puzzle and the solution; labels maps each
// label of the puzzle to its cell.
Grid buildGrid(const json& doc, int rows, int cols, std::map<int, std::pair<int, int>>& labels) {
    const CellWords words = cellWords(doc);
    const json& puzzle = cellRows(doc, "puzzle", rows, cols);
    const json* solution = doc.contains("solution") && !doc["solution"].is_null()
                               ? &cellRows(doc, "solution", rows, cols)
                               : nullptr;
    Grid grid = Grid::blank(rows, cols);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const PuzzleCell cell = puzzleCell(puzzle[r][c], words);
            char code = cell.block ? BLACK_CELL : EMPTY_CELL;
            if (!cell.block && solution) code = solutionCode((*solution)[r][c], words);
            if (!cell.block && code == EMPTY_CELL && !cell.given.empty()) code = solutionCode(json(cell.given), words);
            grid.setCell(r, c, code);
            if (cell.label > 0 && code != BLACK_CELL) labels.emplace(cell.label, std::make_pair(r, c));
        }
    }
    return grid;
}

std::optional<Direction> directionOf(const std::string& name) {
    const std::string head = name.substr(0, name.find(':'));
    if (head == "Across") return Direction::Across;
    if (head == "Down") return Direction::Down;
    return std::nullopt;
}

// The number and the text of one clue, as a pair or as an object.
std::pair<int, std::string> clueParts(const json& clue) {
    const json *number = nullptr, *text = nullptr;
    if (clue.is_array() && clue.size() == 2) {
        number = &clue[0];
        text = &clue[1];
    } else if (clue.is_object() && clue.contains("number") && clue.contains("clue")) {
        number = &clue["number"];
        text = &clue["clue"];
    }
    if (!number || !text || !text->is_string() || !(number->is_number_integer() || number->is_string()))
        refuse("una definizione non è né una coppia [numero, testo] né un oggetto con numero e testo");
    std::string body = text->get<std::string>();
    if (body.size() > MAX_TEXT_BYTES) refuse("una definizione è troppo lunga");
    return {labelOf(scalarText(*number)), std::move(body)};
}

std::vector<Definition> readClues(const json& doc, const Grid& grid, const std::map<int, std::pair<int, int>>& labels) {
    std::vector<Definition> out;
    const auto clues = doc.find("clues");
    if (clues == doc.end() || clues->is_null()) return out;
    if (!clues->is_object()) refuse("le definizioni non sono raccolte per direzione");
    for (const auto& [name, list] : clues->items()) {
        const std::optional<Direction> direction = directionOf(name);
        if (!direction) refuse("le definizioni \"" + name + "\" non hanno posto in uno schema orizzontale e verticale");
        if (!list.is_array()) refuse("le definizioni \"" + name + "\" non sono un elenco");
        for (const json& clue : list) {
            auto [number, text] = clueParts(clue);
            if (text.empty()) continue;
            const auto cell = labels.find(number);
            if (cell == labels.end())
                refuse("la definizione " + std::to_string(number) + " di \"" + name +
                       "\" non ha una casella con quel numero");
            const SlotKey key{static_cast<int16_t>(cell->second.first), static_cast<int16_t>(cell->second.second),
                              *direction};
            const auto slot = slotAt(grid, key.row, key.col, key.direction);
            out.push_back({key, slot ? slot->pattern(grid) : std::string(), std::move(text)});
        }
    }
    return out;
}

// Our own numbers, when the file labels no cell.
std::map<int, std::pair<int, int>> gridLabels(const Grid& grid) {
    std::map<int, std::pair<int, int>> labels;
    const std::vector<int> numbers = numberCells(grid);
    for (int r = 0; r < grid.rowCount; ++r)
        for (int c = 0; c < grid.colCount; ++c)
            if (const int n = numbers[static_cast<size_t>(r) * grid.colCount + c]) labels.emplace(n, std::make_pair(r, c));
    return labels;
}

Puzzle readPuzzle(const json& doc) {
    if (!doc.is_object()) refuse("il file non è un documento ipuz");
    checkKind(doc);
    const auto dims = doc.find("dimensions");
    if (dims == doc.end() || !dims->is_object()) refuse("il file ipuz non indica le dimensioni dello schema");
    const int rows = dimension(*dims, "height"), cols = dimension(*dims, "width");
    if (!sizeWithinLimits(rows, cols))
        refuse("lo schema di " + std::to_string(rows) + " righe per " + std::to_string(cols) +
               " colonne è fuori dai limiti (da 2 a 25 righe, da 2 a 35 colonne, al massimo 875 caselle)");
    if (!doc.contains("puzzle")) refuse("il file ipuz non contiene la griglia \"puzzle\"");
    Puzzle puzzle;
    std::map<int, std::pair<int, int>> labels;
    puzzle.grid = buildGrid(doc, rows, cols, labels);
    if (labels.empty()) labels = gridLabels(puzzle.grid);
    puzzle.definitions.assign(puzzle.grid, readClues(doc, puzzle.grid, labels));
    puzzle.title = textField(doc, "title");
    puzzle.author = textField(doc, "author");
    return puzzle;
}

}  // namespace

IpuzRead readIpuz(std::string_view bytes) {
    IpuzRead result;
    try {
        if (bytes.size() > MAX_IPUZ_BYTES) refuse("il file è troppo grande per essere un cruciverba ipuz");
        if (nestingDepth(bytes) > MAX_IPUZ_DEPTH) refuse("il file ipuz è annidato troppo in profondità");
        const json doc = json::parse(bytes.begin(), bytes.end(), nullptr, false);
        if (doc.is_discarded()) refuse("il file non è un documento JSON valido");
        result.puzzle = readPuzzle(doc);
    } catch (const Refusal& r) {
        result.puzzle = Puzzle{};
        result.error = r.reason;
    } catch (const json::exception&) {
        result.puzzle = Puzzle{};
        result.error = "il file ipuz contiene valori di tipo inatteso";
    }
    return result;
}

}  // namespace quirvo
