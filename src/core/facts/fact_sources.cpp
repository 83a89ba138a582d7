#include "core/facts/fact_sources.h"

#include <unordered_set>

#include "core/common/gzip_text.h"
#include "core/common/text_encoding.h"
#include "core/facts/data_lists.h"
#include "core/facts/letters.h"
#include "core/facts/text_lines.h"

namespace quirvo {

namespace {

bool capitalised(std::string_view utf8) {
    const std::u32string word = decodeUtf8(utf8.substr(0, 4));
    return !word.empty() && ((word[0] >= U'A' && word[0] <= U'Z') || (word[0] >= 0xC0 && word[0] <= 0xDE));
}

// What the word lists and the frequency lists know of the words.
NameSupport firstNameSupport(const FactsSources& in, const ReadSources& read) {
    NameSupport support;
    const auto add = [](std::unordered_set<std::string>& into, std::string_view word) {
        if (auto w = letterWord(word)) into.insert(std::move(*w));
    };
    for (const auto* list : {&read.subtitles, &read.wikipedia})
        for (const std::string& word : *list) add(support.frequent, word);
    const auto addEntry = [&](std::string_view word) { add(capitalised(word) ? support.proper : support.common, word); };
    for (const HunspellStem& stem : read.stems) addEntry(encodeUtf8(stem.word));
    forEachLine(in.wordList, addEntry);
    return support;
}

std::optional<std::map<std::string, NoteGroup>> genders(std::string_view text) {
    std::map<std::string, NoteGroup> exceptions;
    for (const auto& [name, gender] : readKeyedList(text)) {
        const auto word = letterWord(name);
        if (!word || (gender != "M" && gender != "F")) return std::nullopt;
        exceptions[*word] = gender == "M" ? NoteGroup::MaleName : NoteGroup::FemaleName;
    }
    return exceptions;
}

// The dictionary is some 300 kB inflated; anything far larger is no such file.
constexpr size_t ENGLISH_DICT_LIMIT = size_t(64) << 20;

std::optional<std::vector<EnglishWord>> englishWords(const FactsSources& in) {
    const std::optional<std::string> text = gunzip(in.englishDict, ENGLISH_DICT_LIMIT);
    return text ? readEnglishItalian(in.englishIndex, *text) : std::nullopt;
}

bool failed(std::string& error, const char* what) {
    error = std::string("cannot read ") + what;
    return true;
}

}  // namespace

std::optional<ReadSources> readSources(const FactsSources& in, std::string& error) {
    ReadSources read;
    read.stems = parseHunspellDic(in.hunspellDic);
    const auto subtitles = readStringArray(in.subtitleRanks);
    const auto wikipedia = readStringArray(in.wikipediaRanks);
    const auto first = readStringArray(in.firstNames);
    const auto last = readStringArray(in.lastNames);
    const auto places = readItalianPlaces(in.cityJs, in.provinceJs, in.regionJs);
    const auto cldr = readCldrNames({in.cldrItalian, in.cldrSubdivisions, in.cldrAnnotations, in.cldrSupplemental});
    const auto countries = readIsoCountries(in.iso3166_1);
    const auto languages = readIsoLanguages(in.iso639_2);
    const auto provinces = readIsoProvinces(in.iso3166_2);
    const auto exceptions = genders(in.nameGenders);
    const auto english = englishWords(in);
    if ((read.stems.empty() && failed(error, "the Hunspell dictionary")) ||
        (!subtitles && failed(error, "the subtitle frequency list")) ||
        (!wikipedia && failed(error, "the Wikipedia frequency list")) ||
        (!first && failed(error, "the first names")) || (!last && failed(error, "the surnames")) ||
        (!places && failed(error, "the ISTAT towns, provinces and regions")) ||
        (!cldr && failed(error, "the CLDR Italian names and supplemental data")) ||
        (!countries && failed(error, "the ISO 3166-1 countries")) ||
        (!languages && failed(error, "the ISO 639-2 languages")) ||
        (!provinces && failed(error, "the ISO 3166-2 subdivisions")) ||
        (!exceptions && failed(error, "the genders of first names (M or F)")) ||
        (!english && failed(error, "the English-Italian dictionary")))
        return std::nullopt;
    read.subtitles = *subtitles;
    read.wikipedia = *wikipedia;
    read.surnames = *last;
    read.places = *places;
    read.cldr = *cldr;
    read.countries = *countries;
    read.languages = *languages;
    read.isoProvinces = *provinces;
    read.english = *english;
    read.capitals = readKeyedList(in.capitals);
    read.regionCapitals = readKeyedList(in.regionCapitals);
    read.elements = readKeyedList(in.elements);
    read.abbreviations = readKeyedList(in.abbreviations);
    read.firstNamesListed = first->size();
    read.firstNames = supportedFirstNames(*first, firstNameSupport(in, read), *exceptions);
    return read;
}

}  // namespace quirvo
