#include "core/formats/definitions_file.h"

#include "core/common/text_encoding.h"
#include "core/grid/cell_codes.h"
#include "core/grid/numbering.h"

namespace quirvo {

namespace {

constexpr std::string_view HEADER = "# QUIRVO definizioni: direzione, numero, riga, colonna, lettere, testo\n";
// A seventh field marks a draft; files without drafts keep six fields, as
// they always had.
constexpr std::string_view DRAFT_FIELD = "\tbozza";

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += c;
        }
    }
    return out;
}

bool unescaped(std::string_view text, std::string& out) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        switch (text[i]) {
            case '\\': out += '\\'; break;
            case 't': out += '\t'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            default: return false;
        }
    }
    return true;
}

void appendLine(std::string& out, const Definition& d, int number) {
    out += d.key.direction == Direction::Across ? 'O' : 'V';
    out += '\t';
    out += number > 0 ? std::to_string(number) : "-";
    out += '\t' + std::to_string(d.key.row + 1) + '\t' + std::to_string(d.key.col + 1) + '\t';
    out += d.letters;
    out += '\t' + escaped(d.text);
    if (d.draft) out += DRAFT_FIELD;
    out += '\n';
}

// A decimal count from 1 to limit.
bool parseCount(std::string_view text, int limit, int& value) {
    if (text.empty() || text.size() > 4 || text[0] == '0') return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value <= limit;
}

bool validLetters(std::string_view letters) {
    if (letters.size() < 2 || letters.size() > MAX_COLS) return false;
    for (char c : letters)
        if (c != EMPTY_CELL && !isLetterCode(c)) return false;
    return true;
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    for (int i = 0; i < 5; ++i) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) break;
        out.push_back(line.substr(0, tab));
        line.remove_prefix(tab + 1);
    }
    out.push_back(line);
    return out;
}

// One definition line, or the reason it is not one.
std::string parseLine(std::string_view line, Definition& d) {
    const std::vector<std::string_view> f = fields(line);
    if (f.size() != 6) return "non ha i sei campi separati da tabulazioni";
    if (f[0] != "O" && f[0] != "V") return "la direzione non è O né V";
    int number = 0, row = 0, col = 0;
    if (f[1] != "-" && !parseCount(f[1], 9999, number)) return "il numero non è valido";
    if (!parseCount(f[2], MAX_ROWS, row) || !parseCount(f[3], MAX_COLS, col))
        return "la riga o la colonna è fuori dallo schema";
    if (!validLetters(f[4])) return "le lettere non sono valide";
    std::string_view text = f[5];
    d.draft = text.ends_with(DRAFT_FIELD);
    if (d.draft) text.remove_suffix(DRAFT_FIELD.size());
    if (text.size() > MAX_DEFINITION_BYTES) return "la definizione è troppo lunga";
    if (validUtf8(text) != text) return "il testo non è in UTF-8";
    d.key = SlotKey{static_cast<int16_t>(row - 1), static_cast<int16_t>(col - 1),
                    f[0] == "O" ? Direction::Across : Direction::Down};
    d.letters = std::string(f[4]);
    if (!unescaped(text, d.text)) return "il testo contiene una sequenza con \\ non valida";
    if (d.text.empty()) return "la definizione è vuota";
    return {};
}

}  // namespace

std::string writeDefinitionsFile(const Grid& grid, const Definitions& definitions) {
    const std::vector<int> numbers = numberCells(grid);
    std::string out(HEADER);
    for (const auto& [key, d] : definitions.attached())
        appendLine(out, d, numbers[static_cast<std::size_t>(key.row) * grid.colCount + key.col]);
    for (const Definition& d : definitions.orphans()) appendLine(out, d, 0);
    return out;
}

DefinitionsFileRead readDefinitionsFile(std::string_view bytes) {
    DefinitionsFileRead result;
    if (bytes.size() > MAX_DEFINITIONS_FILE_BYTES) {
        result.error = "il file delle definizioni è troppo grande";
        return result;
    }
    int lineNumber = 0;
    while (!bytes.empty()) {
        ++lineNumber;
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        Definition d;
        const std::string fault = parseLine(line, d);
        if (!fault.empty()) {
            result.definitions.clear();
            result.error = "la riga " + std::to_string(lineNumber) + " del file delle definizioni " + fault;
            return result;
        }
        result.definitions.push_back(std::move(d));
    }
    return result;
}

}  // namespace quirvo
