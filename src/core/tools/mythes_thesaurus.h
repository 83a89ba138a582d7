#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "core/tools/charset_conversion.h"
#include "core/tools/thesaurus.h"
#include "core/tools/thesaurus_data.h"

class MyThes;

namespace quirvo {

// The thesaurus over MyThes, with the word looked up in the forms of
// thesaurusForms (PERCHE finds perché). MyThes reads its data file as it
// goes, so the lookups take turns. The data file read the other way round,
// for listing(), is made on its first use.
class MythesThesaurus final : public Thesaurus {
public:
    // Null, with the reason in *problem, when the index or the data file is
    // missing or unreadable or their encoding is unknown.
    static std::unique_ptr<MythesThesaurus> open(const std::string& indexFile, const std::string& dataFile,
                                                 std::string* problem);
    ~MythesThesaurus() override;

    std::vector<Meaning> meanings(std::string_view word) const override;
    std::vector<Meaning> listing(std::string_view folded) const override;

private:
    MythesThesaurus(std::unique_ptr<MyThes> data, CharsetConversion charset, std::string dataFile);

    mutable std::mutex turn_;
    std::unique_ptr<MyThes> data_;
    CharsetConversion charset_;
    std::string dataFile_;
    mutable std::once_flag listingsRead_;
    mutable ThesaurusListings listings_;
};

}  // namespace quirvo
