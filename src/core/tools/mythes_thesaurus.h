#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "core/tools/charset_conversion.h"
#include "core/tools/thesaurus.h"

class MyThes;

namespace quirvo {

// The thesaurus over MyThes, with the word looked up in the forms of
// thesaurusForms (PERCHE finds perché). MyThes reads its data file as it
// goes, so the lookups take turns.
class MythesThesaurus final : public Thesaurus {
public:
    // Null, with the reason in *problem, when the index or the data file is
    // missing or unreadable or their encoding is unknown.
    static std::unique_ptr<MythesThesaurus> open(const std::string& indexFile, const std::string& dataFile,
                                                 std::string* problem);
    ~MythesThesaurus() override;

    std::vector<Meaning> meanings(std::string_view word) const override;

private:
    MythesThesaurus(std::unique_ptr<MyThes> data, CharsetConversion charset);

    mutable std::mutex turn_;
    std::unique_ptr<MyThes> data_;
    CharsetConversion charset_;
};

}  // namespace quirvo
