#include "core/clues/sqlite_archive.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "../dictionary/temp_folder.h"
#include "core/clues/archive_import.h"

namespace quirvo {
namespace {

using testing::TempFolder;
using Defs = std::vector<ArchivedDefinition>;

std::unique_ptr<SqliteArchive> openAt(const std::string& path) {
    std::string problem;
    auto archive = SqliteArchive::open(path, &problem);
    EXPECT_TRUE(archive) << problem;
    return archive;
}

std::vector<std::string> texts(const Defs& defs) {
    std::vector<std::string> out;
    for (const ArchivedDefinition& d : defs) out.push_back(d.text);
    return out;
}

TEST(SqliteArchive, KeepsEachDefinitionOnceFindsByWordAndByText) {
    TempFolder folder;
    const std::string path = folder.file(ARCHIVE_FILE_NAME);
    {
        auto archive = openAt(path);
        ASSERT_TRUE(archive);
        ASSERT_TRUE(archive->record({{"CASA", "Dimora", "a.qrv", "2026-01-01 10:00:00"},
                                     {"CASA", "Il \"nido\", per molti", "a.qrv", "2026-01-01 10:00:00"},
                                     {"CITTA", "Città d'arte", "a.qrv", "2026-01-01 10:00:00"}}));
        // Saved again later: the date moves, nothing is added.
        ASSERT_TRUE(archive->record({{"CASA", "Dimora", "a.qrv", "2026-03-01 10:00:00"}}));
        ASSERT_TRUE(archive->record({{"CASA", "Dimora", "b.qrv", "2026-02-01 10:00:00"}}));
    }
    auto archive = openAt(path);  // what was written survives closing
    ASSERT_TRUE(archive);
    EXPECT_EQ(archive->count(), 4u);
    const Defs casa = archive->ofWord("CASA", 10);
    EXPECT_EQ(texts(casa), (std::vector<std::string>{"Dimora", "Dimora", "Il \"nido\", per molti"}));
    EXPECT_EQ(casa[0].grid, "a.qrv");
    EXPECT_EQ(casa[0].date, "2026-03-01 10:00:00");
    EXPECT_EQ(archive->ofWord("CASA", 1).size(), 1u);

    struct Search {
        const char* query;
        std::vector<std::string> found;
    } searches[] = {
        {"dimora", {"Dimora", "Dimora"}},
        {"NIDO molti", {"Il \"nido\", per molti"}},
        {"citta", {"Città d'arte"}},       // accents aside
        {"arte citt", {"Città d'arte"}},   // prefixes, in any order
        {"\"nido OR AND *", {}},           // FTS5's own syntax means nothing here
        {"   ", {}},
    };
    for (const Search& s : searches) EXPECT_EQ(texts(archive->search(s.query, 10)), s.found) << s.query;

    EXPECT_EQ(archiveCsv(*archive),
              "parola,definizione,schema,data\r\n"
              "CASA,Dimora,a.qrv,2026-03-01 10:00:00\r\n"
              "CASA,Dimora,b.qrv,2026-02-01 10:00:00\r\n"
              "CASA,\"Il \"\"nido\"\", per molti\",a.qrv,2026-01-01 10:00:00\r\n"
              "CITTA,Città d'arte,a.qrv,2026-01-01 10:00:00\r\n");
}

TEST(SqliteArchive, ImportsEveryCompanionUnderAFolderAndRefusesADamagedDatabase) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "vecchi" / "2019");
    folder.write("uno.qrv.def", "# QUIRVO definizioni\nO\t1\t1\t1\tCASA\tDimora\nV\t1\t1\t1\tC??\tMezza\n"
                                "V\t2\t1\t4\tAMO\tEsca\tbozza\n");
    folder.write("vecchi/2019/due.QRV.DEF", "O\t1\t1\t1\tRE\tSovrano\n");
    folder.write("vecchi/rotto.qrv.def", "O\t1\t1\n");
    folder.write("vecchi/altro.txt", "O\t1\t1\t1\tNO\tNo\n");
    auto archive = openAt(folder.file("archivio.sqlite"));
    ASSERT_TRUE(archive);
    std::atomic<bool> stop{false};
    std::vector<int> heard;
    const ImportReport report = importCompanions(*archive, folder.path().string(), stop, [&](int n) { heard.push_back(n); });
    EXPECT_EQ(report.files, 3);
    EXPECT_EQ(report.definitions, 2);  // the word with empty cells and the draft stay out
    ASSERT_EQ(report.damaged.size(), 1u);
    EXPECT_NE(report.damaged[0].find("rotto.qrv.def"), std::string::npos);
    EXPECT_EQ(heard, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(texts(archive->ofWord("RE", 5)), std::vector<std::string>{"Sovrano"});
    EXPECT_EQ(archive->ofWord("RE", 5)[0].grid, (folder.path() / "vecchi" / "2019" / "due.QRV").string());

    stop = true;
    EXPECT_TRUE(importCompanions(*archive, folder.path().string(), stop).stopped);

    folder.write("rotto.sqlite", std::string(8192, 'x'));
    std::string problem;
    EXPECT_FALSE(SqliteArchive::open(folder.file("rotto.sqlite"), &problem));
    EXPECT_NE(problem.find("danneggiato"), std::string::npos) << problem;
    EXPECT_FALSE(SqliteArchive::open(folder.file("manca/archivio.sqlite"), &problem));
}

// A process killed while it writes: every save is one transaction, so the
// database opens whole with only whole saves in it.
TEST(SqliteArchive, AKillWhileSavingLeavesTheArchiveWhole) {
    TempFolder folder;
    const std::string path = folder.file(ARCHIVE_FILE_NAME);
    constexpr int PER_SAVE = 40;
    for (int attempt = 0; attempt < 3; ++attempt) {
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            auto archive = SqliteArchive::open(path, nullptr);
            for (int save = 0; archive; ++save) {
                Defs defs;
                for (int i = 0; i < PER_SAVE; ++i)
                    defs.push_back({"PAROLA", "Definizione " + std::to_string(attempt) + "-" + std::to_string(save) +
                                                  "-" + std::to_string(i),
                                    "schema.qrv", "2026-12-09 10:00:00"});
                if (archive->record(defs) && save == 0 && write(started[1], "s", 1) != 1) break;
            }
            _exit(1);
        }
        close(started[1]);
        char byte = 0;
        ASSERT_EQ(read(started[0], &byte, 1), 1) << "the writer never saved";
        close(started[0]);
        // Somewhere in the middle of a later save.
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + 37 * attempt));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        auto archive = openAt(path);
        ASSERT_TRUE(archive);
        EXPECT_EQ(archive->integrityCheck(), "ok");
        EXPECT_EQ(archive->count() % PER_SAVE, 0u) << "a save was cut in half";
    }
}

}  // namespace
}  // namespace quirvo
