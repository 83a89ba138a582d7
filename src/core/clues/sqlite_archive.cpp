#include "core/clues/sqlite_archive.h"

#include <sqlite3.h>

#include <ctime>

namespace quirvo {

namespace {

constexpr int BUSY_MILLISECONDS = 5000;

constexpr char SCHEMA[] = R"(
CREATE TABLE IF NOT EXISTS definitions(
    id INTEGER PRIMARY KEY,
    word TEXT NOT NULL,
    text TEXT NOT NULL,
    grid TEXT NOT NULL,
    saved TEXT NOT NULL,
    UNIQUE(word, text, grid));
CREATE INDEX IF NOT EXISTS definitions_by_word ON definitions(word, saved);
CREATE VIRTUAL TABLE IF NOT EXISTS definitions_text USING fts5(
    text, content='definitions', content_rowid='id', tokenize='unicode61 remove_diacritics 2');
CREATE TRIGGER IF NOT EXISTS definitions_added AFTER INSERT ON definitions BEGIN
    INSERT INTO definitions_text(rowid, text) VALUES (new.id, new.text);
END;
CREATE TRIGGER IF NOT EXISTS definitions_removed AFTER DELETE ON definitions BEGIN
    INSERT INTO definitions_text(definitions_text, rowid, text) VALUES ('delete', old.id, old.text);
END;
CREATE TRIGGER IF NOT EXISTS definitions_changed AFTER UPDATE OF text ON definitions BEGIN
    INSERT INTO definitions_text(definitions_text, rowid, text) VALUES ('delete', old.id, old.text);
    INSERT INTO definitions_text(rowid, text) VALUES (new.id, new.text);
END;
)";

constexpr char COLUMNS[] = "SELECT word, text, grid, saved FROM definitions ";

// One prepared statement, finalised when it goes.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &s_, nullptr); }
    ~Statement() { sqlite3_finalize(s_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return s_ != nullptr; }
    void bind(int i, std::string_view text) {
        sqlite3_bind_text(s_, i, text.data(), int(text.size()), SQLITE_TRANSIENT);
    }
    void bind(int i, long long value) { sqlite3_bind_int64(s_, i, value); }
    int step() { return sqlite3_step(s_); }
    void reset() {
        sqlite3_reset(s_);
        sqlite3_clear_bindings(s_);
    }
    std::string text(int column) const {
        const auto* p = sqlite3_column_text(s_, column);
        return p ? std::string(reinterpret_cast<const char*>(p), size_t(sqlite3_column_bytes(s_, column))) : "";
    }
    ArchivedDefinition definition() const { return {text(0), text(1), text(2), text(3)}; }

private:
    sqlite3_stmt* s_ = nullptr;
};

bool run(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

// Each word of the typed text as a quoted prefix: "cas"* "dim"*; the
// quotes keep FTS5's operators and punctuation from meaning anything.
std::string matchQuery(std::string_view typed) {
    std::string query;
    size_t i = 0;
    while (i < typed.size()) {
        while (i < typed.size() && (typed[i] == ' ' || typed[i] == '\t')) ++i;
        std::string word;
        for (; i < typed.size() && typed[i] != ' ' && typed[i] != '\t'; ++i)
            if (typed[i] != '"') word += typed[i];
        if (!word.empty()) query += (query.empty() ? "\"" : " \"") + word + "\"*";
    }
    return query;
}

}  // namespace

std::string archiveDate(std::chrono::system_clock::time_point when) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::unique_ptr<SqliteArchive> SqliteArchive::open(const std::string& path, std::string* problem) {
    auto fail = [&](sqlite3* db, const std::string& why) -> std::unique_ptr<SqliteArchive> {
        if (problem) *problem = why + " (" + path + ")";
        sqlite3_close(db);
        return nullptr;
    };
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK)
        return fail(db, "impossibile aprire l'archivio delle definizioni");
    sqlite3_busy_timeout(db, BUSY_MILLISECONDS);
    if (!run(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;") || !run(db, SCHEMA))
        return fail(db, "l'archivio delle definizioni è danneggiato o non è un archivio");
    std::unique_ptr<SqliteArchive> archive(new SqliteArchive(db));
    {
        Statement check(db, "PRAGMA quick_check");
        if (!check.ok() || check.step() != SQLITE_ROW || check.text(0) != "ok")
            return fail(nullptr, "l'archivio delle definizioni è danneggiato");
    }
    return archive;
}

SqliteArchive::~SqliteArchive() { sqlite3_close(db_); }

bool SqliteArchive::record(const std::vector<ArchivedDefinition>& definitions, std::string* problem) {
    const std::lock_guard<std::mutex> lock(turn_);
    auto fail = [&] {
        if (problem) *problem = sqlite3_errmsg(db_);
        run(db_, "ROLLBACK");
        return false;
    };
    if (!run(db_, "BEGIN IMMEDIATE")) return fail();
    {
        Statement add(db_, "INSERT INTO definitions(word, text, grid, saved) VALUES (?1, ?2, ?3, ?4) "
                           "ON CONFLICT(word, text, grid) DO UPDATE SET saved = excluded.saved");
        if (!add.ok()) return fail();
        for (const ArchivedDefinition& d : definitions) {
            add.bind(1, d.word);
            add.bind(2, d.text);
            add.bind(3, d.grid);
            add.bind(4, d.date);
            if (add.step() != SQLITE_DONE) return fail();
            add.reset();
        }
    }
    return run(db_, "COMMIT") || fail();
}

std::vector<ArchivedDefinition> SqliteArchive::select(const char* sql, const std::vector<std::string>& values,
                                                      size_t limit) {
    const std::lock_guard<std::mutex> lock(turn_);
    std::vector<ArchivedDefinition> out;
    Statement query(db_, sql);
    if (!query.ok()) return out;
    for (size_t i = 0; i < values.size(); ++i) query.bind(int(i) + 1, values[i]);
    query.bind(int(values.size()) + 1, static_cast<long long>(limit));
    while (query.step() == SQLITE_ROW) out.push_back(query.definition());
    return out;
}

std::vector<ArchivedDefinition> SqliteArchive::ofWord(std::string_view word, size_t limit) {
    return select((std::string(COLUMNS) + "WHERE word = ?1 ORDER BY saved DESC, id DESC LIMIT ?2").c_str(),
                  {std::string(word)}, limit);
}

std::vector<ArchivedDefinition> SqliteArchive::search(std::string_view typed, size_t limit) {
    const std::string query = matchQuery(typed);
    if (query.empty()) return {};
    return select((std::string(COLUMNS) +
                   "WHERE id IN (SELECT rowid FROM definitions_text WHERE definitions_text MATCH ?1) "
                   "ORDER BY saved DESC, id DESC LIMIT ?2")
                      .c_str(),
                  {query}, limit);
}

size_t SqliteArchive::count() {
    const std::lock_guard<std::mutex> lock(turn_);
    Statement query(db_, "SELECT count(*) FROM definitions");
    return query.ok() && query.step() == SQLITE_ROW ? std::stoul(query.text(0)) : 0;
}

void SqliteArchive::forEach(const std::function<void(const ArchivedDefinition&)>& take) {
    const std::lock_guard<std::mutex> lock(turn_);
    Statement query(db_, (std::string(COLUMNS) + "ORDER BY word, saved DESC, id DESC").c_str());
    while (query.ok() && query.step() == SQLITE_ROW) take(query.definition());
}

std::string SqliteArchive::integrityCheck() {
    const std::lock_guard<std::mutex> lock(turn_);
    Statement check(db_, "PRAGMA integrity_check");
    std::string out;
    while (check.ok() && check.step() == SQLITE_ROW) out += (out.empty() ? "" : "\n") + check.text(0);
    return out;
}

}  // namespace quirvo
