#include "core/files/grid_file.h"

#include <algorithm>
#include <vector>

#include "core/grid/cell_codes.h"

namespace quirvo {

namespace {

constexpr std::string_view LINE_END = "\r\n";

// Lines split at LF, each with one CR at its end dropped; the empty piece
// after a final line end is not a line.
std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = next;
    }
    return lines;
}

// A run of decimal digits, saturated well above any limit.
bool parseCount(std::string_view text, int& value) {
    if (text.empty()) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = std::min(value * 10 + (c - '0'), 100000);
    }
    return true;
}

bool parseSizes(std::string_view line, int& rows, int& cols) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) return false;
    return parseCount(line.substr(0, comma), rows) && parseCount(line.substr(comma + 1), cols);
}

// Lower-case letters come from files edited by hand; they stand for the
// letters and are read as upper case.
bool isCellCode(char c) {
    return c == EMPTY_CELL || c == BLACK_CELL || c == ALT_BLACK_CELL || isLetterCode(c) || (c >= 'a' && c <= 'z');
}

// Checks one row line and returns its cells padded to cols, or sets error.
std::string readRow(std::string_view line, int rowNumber, int cols, std::string& error) {
    const std::string where = "la riga " + std::to_string(rowNumber) + " dello schema";
    if (line.size() < 2 || line.front() != '"' || line.back() != '"') {
        error = where + " non è racchiusa tra virgolette";
        return {};
    }
    const std::string_view cells = line.substr(1, line.size() - 2);
    if (static_cast<int>(cells.size()) > cols) {
        error = where + " ha " + std::to_string(cells.size()) + " caselle, più delle " +
                std::to_string(cols) + " dichiarate";
        return {};
    }
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (!isCellCode(cells[c])) {
            error = where + " contiene un carattere non ammesso nella colonna " + std::to_string(c + 1) +
                    " (codice " + std::to_string(static_cast<unsigned char>(cells[c])) + ")";
            return {};
        }
    }
    std::string row(cells);
    for (char& c : row)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    row.resize(cols, EMPTY_CELL);
    return row;
}

GridFileRead refused(std::string error) {
    GridFileRead result;
    result.error = std::move(error);
    return result;
}

}  // namespace

std::string writeGridFile(const Grid& grid) {
    std::string bytes = std::to_string(grid.rowCount) + "," + std::to_string(grid.colCount);
    bytes += LINE_END;
    for (int r = 0; r < grid.rowCount; ++r) {
        bytes += '"';
        if (r < static_cast<int>(grid.gridRows.size())) bytes += grid.gridRows[r];
        bytes += '"';
        bytes += LINE_END;
    }
    return bytes;
}

GridFileRead readGridFile(std::string_view bytes) {
    if (bytes.empty()) return refused("il file è vuoto");
    if (bytes.size() > MAX_GRID_FILE_BYTES) return refused("il file è troppo grande per essere uno schema");
    const std::vector<std::string_view> lines = splitLines(bytes);
    int rows = 0, cols = 0;
    if (!parseSizes(lines[0], rows, cols))
        return refused("la prima riga non contiene il numero delle righe e quello delle colonne "
                       "separati da una virgola");
    if (!sizeWithinLimits(rows, cols))
        return refused("le dimensioni " + std::to_string(rows) + "," + std::to_string(cols) +
                       " sono al di fuori dei limiti (da 2 a 25 righe, da 2 a 35 colonne, "
                       "al massimo 875 caselle)");
    const int present = static_cast<int>(lines.size()) - 1;
    if (present < rows)
        return refused("il file contiene " + std::to_string(present) + " righe dello schema invece di " +
                       std::to_string(rows));

    GridFileRead result;
    Grid& grid = result.grid;
    grid.rowCount = static_cast<int16_t>(rows);
    grid.colCount = static_cast<int16_t>(cols);
    grid.maxWordLen = static_cast<int16_t>(std::max(rows, cols));
    grid.gridRows.assign(rows + 1, std::string());
    std::string error;
    for (int r = 0; r < rows; ++r) {
        grid.gridRows[r] = readRow(lines[r + 1], r + 1, cols, error);
        if (!error.empty()) return refused(std::move(error));
    }
    for (std::size_t i = rows + 1; i < lines.size(); ++i)
        if (!lines[i].empty()) return refused("dopo l'ultima riga dello schema il file contiene altro testo");
    return result;
}

std::string withGridExtension(std::string path) {
    const std::string_view tail =
        path.size() >= 4 ? std::string_view(path).substr(path.size() - 4) : std::string_view();
    if (tail != ".qrv" && tail != ".QRV") path += ".qrv";
    return path;
}

}  // namespace quirvo
