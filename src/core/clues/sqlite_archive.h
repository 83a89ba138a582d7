#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "core/clues/definition_archive.h"

struct sqlite3;

namespace quirvo {

// The file name of the archive in the setter's data folder.
inline constexpr char ARCHIVE_FILE_NAME[] = "archivio-definizioni.sqlite";

// "Archivio delle Definizioni": the setter's definitions in an SQLite
// database in WAL mode, each kept once per word, text and grid with the
// date it was last saved, and a full-text index over the texts. Every
// write is one transaction, so a process killed while writing leaves the
// database as it was before the write or after it. Calls take turns, so
// any thread may use one archive.
class SqliteArchive final : public DefinitionArchive {
public:
    // The archive at path, made when missing; null, with an Italian reason
    // in *problem, when it cannot be opened or is damaged.
    static std::unique_ptr<SqliteArchive> open(const std::string& path, std::string* problem);
    ~SqliteArchive() override;
    SqliteArchive(const SqliteArchive&) = delete;
    SqliteArchive& operator=(const SqliteArchive&) = delete;

    // Adds the definitions, or refreshes the date of those already there;
    // all or none. False, with the reason in *problem, when it failed.
    bool record(const std::vector<ArchivedDefinition>& definitions, std::string* problem = nullptr);

    std::vector<ArchivedDefinition> ofWord(std::string_view word, size_t limit) override;
    // Definitions whose text holds every word of the query, as a word or
    // the start of one, case and accents aside; newest first.
    std::vector<ArchivedDefinition> search(std::string_view query, size_t limit);
    size_t count();
    // Every definition, by word and then newest first.
    void forEach(const std::function<void(const ArchivedDefinition&)>& take);
    // SQLite's own check of the whole file: "ok" when it is whole.
    std::string integrityCheck();

private:
    explicit SqliteArchive(sqlite3* db) : db_(db) {}
    std::vector<ArchivedDefinition> select(const char* sql, const std::vector<std::string>& values, size_t limit);

    std::mutex turn_;
    sqlite3* db_;
};

}  // namespace quirvo
