#include "core/tools/hunspell_mythes_services.h"

#include <hunspell.hxx>
#include <mythes.hxx>

#include <algorithm>
#include <array>
#include <fstream>

#include "core/common/text_encoding.h"
#include "core/tools/thesaurus_forms.h"

namespace quirvo {

namespace {

bool readable(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return file.is_open() && file.peek() != std::ifstream::traits_type::eof();
}

std::string trimmedBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// Thesauri in the LibreOffice format mark an antonym among the synonyms of
// a meaning with a parenthesised note after it.
bool takeAntonymMark(std::string& entry) {
    static const std::array<std::string_view, 3> marks = {" (antonym)", " (antonimo)", " (contrario)"};
    for (std::string_view mark : marks) {
        if (entry.size() > mark.size() && entry.ends_with(mark)) {
            entry.resize(entry.size() - mark.size());
            return true;
        }
    }
    return false;
}

void addOnce(std::vector<std::string>& list, std::string word) {
    if (std::find(list.begin(), list.end(), word) == list.end()) list.push_back(std::move(word));
}

}  // namespace

std::unique_ptr<HunspellMythesServices> HunspellMythesServices::open(const LanguageDataPaths& paths,
                                                                     std::string* problem) {
    auto fail = [&](std::string why) {
        if (problem) *problem = std::move(why);
        return nullptr;
    };
    for (const std::string& path : {paths.affixFile(), paths.wordFile(), paths.indexFile(), paths.dataFile()})
        if (!readable(path)) return fail("file mancante o illeggibile: " + path);

    auto speller = std::make_unique<Hunspell>(paths.affixFile().c_str(), paths.wordFile().c_str());
    CharsetConversion spellerCharset(speller->get_dic_encoding());
    if (!spellerCharset.supported()) return fail("codifica sconosciuta in " + paths.affixFile());

    auto thesaurus = std::make_unique<MyThes>(paths.indexFile().c_str(), paths.dataFile().c_str());
    const char* thesaurusEncoding = thesaurus->get_th_encoding();
    if (!thesaurusEncoding) return fail("dizionario dei sinonimi illeggibile: " + paths.indexFile());
    CharsetConversion thesaurusCharset(thesaurusEncoding);
    if (!thesaurusCharset.supported()) return fail("codifica sconosciuta in " + paths.dataFile());

    return std::unique_ptr<HunspellMythesServices>(new HunspellMythesServices(
        std::move(speller), std::move(spellerCharset), std::move(thesaurus), std::move(thesaurusCharset)));
}

HunspellMythesServices::HunspellMythesServices(std::unique_ptr<Hunspell> speller, CharsetConversion spellerCharset,
                                               std::unique_ptr<MyThes> thesaurus,
                                               CharsetConversion thesaurusCharset)
    : speller_(std::move(speller)),
      spellerCharset_(std::move(spellerCharset)),
      thesaurus_(std::move(thesaurus)),
      thesaurusCharset_(std::move(thesaurusCharset)) {}

HunspellMythesServices::~HunspellMythesServices() = default;

std::optional<SynonymAnswer> HunspellMythesServices::synonymInfo(std::string_view word) {
    for (const std::string& form : thesaurusForms(validUtf8(word))) {
        const auto key = thesaurusCharset_.toData(form);
        if (!key || key->size() >= MAX_WD_LEN) continue;
        mentry* meanings = nullptr;
        const int count = thesaurus_->Lookup(key->c_str(), static_cast<int>(key->size()), &meanings);
        if (count <= 0) continue;
        SynonymAnswer answer;
        answer.meaningCount = count;
        for (int m = 0; m < count; ++m) {
            for (int s = 0; s < meanings[m].count; ++s) {
                auto entry = thesaurusCharset_.fromData(meanings[m].psyns[s]);
                if (!entry) continue;
                if (takeAntonymMark(*entry)) addOnce(answer.antonyms, std::move(*entry));
                else if (m == 0) addOnce(answer.synonyms, std::move(*entry));
            }
        }
        thesaurus_->CleanUpAfterLookup(&meanings, count);
        return answer;
    }
    return SynonymAnswer{};
}

std::optional<SpellingAnswer> HunspellMythesServices::spellingSuggestions(std::string_view word) {
    const std::string trimmed = trimmedBlanks(validUtf8(word));
    if (trimmed.empty()) return SpellingAnswer{};
    const auto key = spellerCharset_.toData(trimmed);
    if (!key) return SpellingAnswer{SPELLING_UNKNOWN_WORD, {}};
    if (speller_->spell(*key)) return SpellingAnswer{};
    SpellingAnswer answer{SPELLING_UNKNOWN_WORD, {}};
    for (const std::string& proposal : speller_->suggest(*key))
        if (auto text = spellerCharset_.fromData(proposal)) answer.suggestions.push_back(std::move(*text));
    return answer;
}

}  // namespace quirvo
