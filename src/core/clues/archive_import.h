#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "core/clues/definition_archive.h"
#include "core/document/definitions.h"

namespace quirvo {

class SqliteArchive;

// The definitions that enter the archive: those whose letters are a whole
// word, drafts left out (they are the program's, not the setter's), with
// the grid file and the date given.
std::vector<ArchivedDefinition> archivable(const std::vector<Definition>& definitions, const std::string& gridPath,
                                           const std::string& date);

struct ImportReport {
    int files = 0;        // companions read
    int definitions = 0;  // definitions they gave the archive
    std::vector<std::string> damaged;  // companions refused, with the reason
    bool stopped = false;
};

// Takes every grid companion (".qrv.def") under a folder and its subfolders
// into the archive, one file a transaction, dated by the file's time.
// Folders that cannot be read are passed over. progress, when set, hears
// the number of files read so far; a stop ends the walk after the file
// under way.
ImportReport importCompanions(SqliteArchive& archive, const std::string& folder, const std::atomic<bool>& stop,
                              const std::function<void(int files)>& progress = {});

// The whole archive as CSV (RFC 4180, UTF-8): a heading line, then one
// line per definition: parola, definizione, schema, data.
std::string archiveCsv(SqliteArchive& archive);

}  // namespace quirvo
