// Any text typed into the archive window's search: the archive answers
// without failing, and only with definitions it holds.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/clues/sqlite_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto archive = [] {
        auto made = quirvo::SqliteArchive::open(":memory:", nullptr);
        if (!made || !made->record({{"CASA", "Dimora \"antica\" (AND) NEAR", "a.qrv", "2026-01-01 10:00:00"},
                                    {"CITTA", "Città d'arte*", "b.qrv", "2026-01-02 10:00:00"}}))
            std::abort();
        return made;
    }();
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    for (const quirvo::ArchivedDefinition& d : archive->search(typed, 10))
        if (d.word != "CASA" && d.word != "CITTA") std::abort();
    if (archive->count() != 2) std::abort();
    return 0;
}
