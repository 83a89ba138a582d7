#include "core/clues/archive_import.h"

#include <algorithm>

#include "core/grid/cell_codes.h"
#include <filesystem>
#include <fstream>

#include "core/clues/sqlite_archive.h"
#include "core/formats/definitions_file.h"

namespace quirvo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view COMPANION_ENDING = ".qrv.def";

bool isCompanion(const fs::directory_entry& entry) {
    std::error_code ec;
    if (!entry.is_regular_file(ec)) return false;
    std::string name = entry.path().filename().string();
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return name.size() > COMPANION_ENDING.size() && name.ends_with(COMPANION_ENDING);
}

std::string fileDate(const fs::path& path) {
    std::error_code ec;
    const auto written = fs::last_write_time(path, ec);
    if (ec) return archiveDate(std::chrono::system_clock::now());
    return archiveDate(std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        std::chrono::file_clock::to_sys(written)));
}

// The companion's definitions, or the reason it gives none.
DefinitionsFileRead readCompanion(const fs::path& path) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec || size > MAX_DEFINITIONS_FILE_BYTES) return {{}, "il file è illeggibile o troppo grande"};
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return {{}, "il file è illeggibile"};
    return readDefinitionsFile(bytes);
}

}  // namespace

std::vector<ArchivedDefinition> archivable(const std::vector<Definition>& definitions, const std::string& gridPath,
                                           const std::string& date) {
    std::vector<ArchivedDefinition> out;
    for (const Definition& d : definitions)
        if (!d.draft && allLetters(d.letters)) out.push_back({d.letters, d.text, gridPath, date});
    return out;
}

ImportReport importCompanions(SqliteArchive& archive, const std::string& folder, const std::atomic<bool>& stop,
                              const std::function<void(int files)>& progress) {
    ImportReport report;
    std::error_code ec;
    fs::recursive_directory_iterator walk(folder, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && walk != fs::recursive_directory_iterator(); walk.increment(ec)) {
        if (stop.load()) {
            report.stopped = true;
            break;
        }
        if (!isCompanion(*walk)) continue;
        const fs::path& path = walk->path();
        const DefinitionsFileRead read = readCompanion(path);
        ++report.files;
        if (!read.ok()) {
            report.damaged.push_back(path.string() + ": " + read.error);
        } else {
            const std::string grid = path.string().substr(0, path.string().size() - 4);
            const auto entries = archivable(read.definitions, grid, fileDate(path));
            std::string problem;
            if (archive.record(entries, &problem)) report.definitions += int(entries.size());
            else report.damaged.push_back(path.string() + ": " + problem);
        }
        if (progress) progress(report.files);
    }
    return report;
}

std::string archiveCsv(SqliteArchive& archive) {
    auto field = [](const std::string& text) {
        if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
        std::string quoted = "\"";
        for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        return quoted + "\"";
    };
    std::string out = "parola,definizione,schema,data\r\n";
    archive.forEach([&](const ArchivedDefinition& d) {
        out += field(d.word) + "," + field(d.text) + "," + field(d.grid) + "," + field(d.date) + "\r\n";
    });
    return out;
}

}  // namespace quirvo
