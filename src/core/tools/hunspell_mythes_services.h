#pragma once

#include <memory>
#include <string>

#include "core/tools/charset_conversion.h"
#include "core/tools/language_services.h"
#include "core/tools/mythes_thesaurus.h"

class Hunspell;

namespace quirvo {

// Where the Italian speller and thesaurus are installed (Debian's
// hunspell-it and mythes-it by default).
struct LanguageDataPaths {
    std::string spellerFolder = "/usr/share/hunspell";
    std::string thesaurusFolder = "/usr/share/mythes";
    std::string spellerName = "it_IT";        // it_IT.aff and it_IT.dic
    std::string thesaurusName = "th_it_IT_v2";  // th_it_IT_v2.idx and .dat

    std::string affixFile() const { return spellerFolder + "/" + spellerName + ".aff"; }
    std::string wordFile() const { return spellerFolder + "/" + spellerName + ".dic"; }
    std::string indexFile() const { return thesaurusFolder + "/" + thesaurusName + ".idx"; }
    std::string dataFile() const { return thesaurusFolder + "/" + thesaurusName + ".dat"; }
};

// The language services over Hunspell (spelling verdict and suggestions)
// and MyThes (meanings and synonyms; antonyms where the thesaurus marks
// them). Words are converted to the encoding each data set declares and
// looked up in the forms of thesaurusForms.
class HunspellMythesServices final : public LanguageServices {
public:
    // Loads both data sets; nullptr, with the reason in *problem, when a
    // file is missing or unreadable or its encoding is unknown.
    static std::unique_ptr<HunspellMythesServices> open(const LanguageDataPaths& paths, std::string* problem);
    ~HunspellMythesServices() override;

    std::optional<SynonymAnswer> synonymInfo(std::string_view word) override;
    std::optional<SpellingAnswer> spellingSuggestions(std::string_view word) override;

private:
    HunspellMythesServices(std::unique_ptr<Hunspell> speller, CharsetConversion spellerCharset,
                           std::unique_ptr<MythesThesaurus> thesaurus);

    std::unique_ptr<Hunspell> speller_;
    CharsetConversion spellerCharset_;
    std::unique_ptr<MythesThesaurus> thesaurus_;
};

}  // namespace quirvo
