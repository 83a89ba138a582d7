#include "core/tools/hunspell_mythes_services.h"

#include <hunspell.hxx>

#include <algorithm>

#include "core/common/readable_file.h"
#include "core/common/text_encoding.h"

namespace quirvo {

namespace {

std::string trimmedBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

std::unique_ptr<HunspellMythesServices> HunspellMythesServices::open(const LanguageDataPaths& paths,
                                                                     std::string* problem) {
    auto fail = [&](std::string why) {
        if (problem) *problem = std::move(why);
        return nullptr;
    };
    for (const std::string& path : {paths.affixFile(), paths.wordFile()})
        if (!readableFile(path)) return fail("file mancante o illeggibile: " + path);
    auto thesaurus = MythesThesaurus::open(paths.indexFile(), paths.dataFile(), problem);
    if (!thesaurus) return nullptr;

    auto speller = std::make_unique<Hunspell>(paths.affixFile().c_str(), paths.wordFile().c_str());
    CharsetConversion spellerCharset(speller->get_dic_encoding());
    if (!spellerCharset.supported()) return fail("codifica sconosciuta in " + paths.affixFile());

    return std::unique_ptr<HunspellMythesServices>(
        new HunspellMythesServices(std::move(speller), std::move(spellerCharset), std::move(thesaurus)));
}

HunspellMythesServices::HunspellMythesServices(std::unique_ptr<Hunspell> speller, CharsetConversion spellerCharset,
                                               std::unique_ptr<MythesThesaurus> thesaurus)
    : speller_(std::move(speller)), spellerCharset_(std::move(spellerCharset)), thesaurus_(std::move(thesaurus)) {}

HunspellMythesServices::~HunspellMythesServices() = default;

std::optional<SynonymAnswer> HunspellMythesServices::synonymInfo(std::string_view word) {
    const std::vector<Meaning> meanings = thesaurus_->meanings(word);
    SynonymAnswer answer;
    answer.meaningCount = static_cast<int>(meanings.size());
    if (!meanings.empty()) answer.synonyms = meanings.front().synonyms;
    for (const Meaning& m : meanings)
        for (const std::string& antonym : m.antonyms)
            if (std::find(answer.antonyms.begin(), answer.antonyms.end(), antonym) == answer.antonyms.end())
                answer.antonyms.push_back(antonym);
    return answer;
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
