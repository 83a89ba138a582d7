#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quirvo {

// One definition the setter saved with a grid.
struct ArchivedDefinition {
    std::string word;  // folded as the grid writes it: CASA
    std::string text;  // UTF-8
    std::string grid;  // the grid file it was saved with
    std::string date;  // local time, "2026-12-09 10:15:00", so the text sorts as the time
    friend bool operator==(const ArchivedDefinition&, const ArchivedDefinition&) = default;
};

// The setter's archive of definitions as the suggestions read it.
class DefinitionArchive {
public:
    virtual ~DefinitionArchive() = default;
    // The definitions of a word, newest first, at most limit of them.
    virtual std::vector<ArchivedDefinition> ofWord(std::string_view word, size_t limit) = 0;
};

// A time as the archive writes it.
std::string archiveDate(std::chrono::system_clock::time_point when);

}  // namespace quirvo
