#include "core/formats/recovery_file.h"

#include <charconv>
#include <optional>

namespace quirvo {

namespace {

constexpr std::string_view FIRST_LINE = "QUIRVO copia di recupero 1\n";

void appendPart(std::string& out, std::string_view name, std::string_view bytes) {
    out += name;
    out += ' ' + std::to_string(bytes.size()) + '\n';
    out += bytes;
    out += '\n';
}

// Reads "name N\n" from the front of rest, where N is a decimal number
// from 0 to limit.
std::optional<int64_t> takeNumber(std::string_view& rest, std::string_view name, int64_t limit) {
    if (rest.substr(0, name.size()) != name || rest.substr(name.size(), 1) != " ") return std::nullopt;
    rest.remove_prefix(name.size() + 1);
    const std::size_t end = rest.find('\n');
    if (end == std::string_view::npos || end == 0 || end > 19) return std::nullopt;
    int64_t value = 0;
    const auto [ptr, ec] = std::from_chars(rest.data(), rest.data() + end, value);
    if (ec != std::errc() || ptr != rest.data() + end || value < 0 || value > limit) return std::nullopt;
    rest.remove_prefix(end + 1);
    return value;
}

// Reads "name N\n", then N bytes and a line end.
std::optional<std::string_view> takePart(std::string_view& rest, std::string_view name, std::size_t limit) {
    const std::optional<int64_t> size = takeNumber(rest, name, static_cast<int64_t>(limit));
    if (!size) return std::nullopt;
    const auto n = static_cast<std::size_t>(*size);
    if (rest.size() < n + 1 || rest[n] != '\n') return std::nullopt;
    const std::string_view part = rest.substr(0, n);
    rest.remove_prefix(n + 1);
    return part;
}

}  // namespace

std::string writeRecoveryFile(const std::string& filePath, int64_t madeAt, const Grid& grid,
                              const Definitions& definitions) {
    std::string out(FIRST_LINE);
    out += "ora " + std::to_string(madeAt) + '\n';
    appendPart(out, "percorso", filePath);
    appendPart(out, "schema", writeGridFile(grid));
    appendPart(out, "definizioni", definitions.empty() ? std::string() : writeDefinitionsFile(grid, definitions));
    return out;
}

RecoveryFileRead readRecoveryFile(std::string_view bytes) {
    RecoveryFileRead read;
    const auto refuse = [&read](const std::string& why) {
        read = RecoveryFileRead{};
        read.error = why;
        return read;
    };
    if (bytes.size() > MAX_RECOVERY_FILE_BYTES) return refuse("la copia di recupero è troppo grande");
    if (bytes.substr(0, FIRST_LINE.size()) != FIRST_LINE) return refuse("non è una copia di recupero");
    std::string_view rest = bytes.substr(FIRST_LINE.size());
    const std::optional<int64_t> madeAt = takeNumber(rest, "ora", INT64_MAX);
    const std::optional<std::string_view> path = madeAt ? takePart(rest, "percorso", MAX_RECOVERY_PATH_BYTES)
                                                        : std::nullopt;
    const std::optional<std::string_view> grid = path ? takePart(rest, "schema", MAX_GRID_FILE_BYTES) : std::nullopt;
    const std::optional<std::string_view> definitions =
        grid ? takePart(rest, "definizioni", MAX_DEFINITIONS_FILE_BYTES) : std::nullopt;
    if (!definitions || !rest.empty()) return refuse("la copia di recupero è incompleta o danneggiata");
    if (path->find('\0') != std::string_view::npos) return refuse("il percorso del file non è valido");
    GridFileRead gridRead = readGridFile(*grid);
    if (!gridRead.ok()) return refuse("lo schema della copia non si può leggere: " + gridRead.error);
    DefinitionsFileRead definitionsRead = readDefinitionsFile(*definitions);
    if (!definitionsRead.ok())
        return refuse("le definizioni della copia non si possono leggere: " + definitionsRead.error);
    read.copy = {std::string(*path), *madeAt, std::move(gridRead.grid), std::move(definitionsRead.definitions)};
    return read;
}

}  // namespace quirvo
