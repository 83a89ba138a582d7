#include "core/facts/name_groups.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <unordered_map>

#include "core/common/text_encoding.h"
#include "core/facts/familiarity.h"

namespace quirvo {

namespace {

std::string valueOf(const KeyedList& list, std::string_view key) {
    for (const auto& [k, v] : list)
        if (k == key) return v;
    return {};
}

std::string named(const std::map<std::string, std::string>& names, const std::string& code) {
    const auto found = names.find(code);
    return found == names.end() ? std::string() : found->second;
}

// A province named after two or three towns has them all as its capitals:
// Pesaro e Urbino, Barletta-Andria-Trani.
bool provincialCapital(const std::string& town, std::string province) {
    for (size_t at = province.find(" e "); at != std::string::npos; at = province.find(" e ", at))
        province.replace(at, 3, "-");
    for (size_t from = 0;;) {
        const size_t end = province.find('-', from);
        if (province.compare(from, end - from, town) == 0) return true;
        if (end == std::string::npos) return false;
        from = end + 1;
    }
}

void addPlaces(const ReadSources& s, std::vector<GroupEntry>& out) {
    for (const auto& town : s.places.towns) {
        const bool capital = provincialCapital(town.name, town.province);
        out.push_back({town.name, NoteGroup::Town, town.province,
                       capital ? PROVINCIAL_CAPITAL_FAMILIARITY : TOWN_FAMILIARITY});
    }
    for (const auto& province : s.places.provinces)
        out.push_back({province.name, NoteGroup::Province, province.region, PROVINCE_FAMILIARITY});
    for (const std::string& region : s.places.regions)
        out.push_back({region, NoteGroup::Region, valueOf(s.regionCapitals, region), REGION_FAMILIARITY});
}

void addCountries(const ReadSources& s, std::vector<GroupEntry>& out) {
    for (const IsoCountry& country : s.countries) {
        const std::string name = named(s.cldr.territories, country.alpha2);
        if (!name.empty())
            out.push_back({name, NoteGroup::Country, valueOf(s.capitals, country.alpha2), COUNTRY_FAMILIARITY});
    }
    for (const auto& [code, capital] : s.capitals)
        out.push_back({capital, NoteGroup::Capital, named(s.cldr.territories, code), CAPITAL_FAMILIARITY});
}

}  // namespace

std::vector<GroupEntry> nameEntries(const ReadSources& s) {
    std::vector<GroupEntry> out;
    addPlaces(s, out);
    addCountries(s, out);
    for (const FirstName& name : s.firstNames)
        out.push_back({name.written, name.gender, name.written, FIRST_NAME_FAMILIARITY});
    for (const std::string& surname : s.surnames) {
        std::u32string letters = decodeUtf8(surname);
        if (!letters.empty() && letters[0] >= U'a' && letters[0] <= U'z') letters[0] -= U'a' - U'A';
        out.push_back({encodeUtf8(letters), NoteGroup::Surname, encodeUtf8(letters), 0});
    }
    return out;
}

namespace {

// The best rank of each word of the frequency lists, as they write it.
class ListRanks {
public:
    explicit ListRanks(const ReadSources& s) {
        for (const auto* list : {&s.subtitles, &s.wikipedia})
            for (size_t i = 0; i < list->size(); ++i) {
                const auto [at, fresh] = ranks_.emplace((*list)[i], uint32_t(i + 1));
                if (!fresh) at->second = std::min(at->second, uint32_t(i + 1));
            }
    }
    int familiarity(const std::string& name) const {
        const auto found = ranks_.find(lowerUtf8(name));
        return found == ranks_.end() ? UNRANKED_FAMILIARITY : familiarityOfRank(found->second);
    }

private:
    std::unordered_map<std::string, uint32_t> ranks_;
};

int codeFamiliarity(const ListRanks& ranks, const std::string& name, int floor, int cap) {
    return std::clamp(ranks.familiarity(name) - CODE_DISTANCE, floor, cap);
}

}  // namespace

std::vector<GroupEntry> siglaEntries(const ReadSources& s) {
    std::vector<GroupEntry> out;
    const ListRanks ranks(s);
    std::map<std::string, std::string> provinces = s.isoProvinces;
    for (const auto& province : s.places.provinces) provinces.emplace(province.code, province.name);
    for (const auto& [code, name] : provinces)
        out.push_back({code, NoteGroup::ProvinceCode, name, PROVINCE_CODE_FAMILIARITY});
    for (const IsoCountry& c : s.countries) {
        const std::string name = named(s.cldr.territories, c.alpha2);
        out.push_back({c.alpha2, NoteGroup::CountryCode, name,
                       codeFamiliarity(ranks, name, TWO_LETTER_CODE_FLOOR, TWO_LETTER_CODE_FAMILIARITY)});
        out.push_back({c.alpha3, NoteGroup::CountryCode, name,
                       codeFamiliarity(ranks, name, CODE3_FLOOR, COUNTRY_CODE3_FAMILIARITY)});
    }
    for (const IsoLanguage& l : s.languages) {
        const std::string name = l.alpha2.empty() ? std::string() : named(s.cldr.languages, lowerUtf8(l.alpha2));
        const int three = name.empty() ? BARE_CODE3_FAMILIARITY
                                       : codeFamiliarity(ranks, name, CODE3_FLOOR, LANGUAGE_CODE3_FAMILIARITY);
        if (!l.alpha2.empty())
            out.push_back({l.alpha2, NoteGroup::LanguageCode, name,
                           codeFamiliarity(ranks, name, TWO_LETTER_CODE_FLOOR, TWO_LETTER_CODE_FAMILIARITY)});
        out.push_back({l.alpha3, NoteGroup::LanguageCode, name, three});
        if (!l.bibliographic.empty()) out.push_back({l.bibliographic, NoteGroup::LanguageCode, name, three});
    }
    for (const auto& [symbol, element] : s.elements)
        if (symbol.size() > 1) out.push_back({symbol, NoteGroup::Element, element, ELEMENT_FAMILIARITY});
    for (const auto& [abbreviation, meaning] : s.abbreviations)
        out.push_back({abbreviation, NoteGroup::Abbreviation, meaning, ABBREVIATION_FAMILIARITY});
    return out;
}

std::vector<GroupEntry> elementNames(const ReadSources& s) {
    std::vector<GroupEntry> out;
    for (const auto& [symbol, element] : s.elements) {
        std::string written = symbol;
        for (size_t i = 1; i < written.size(); ++i)
            written[i] = char(std::tolower(static_cast<unsigned char>(written[i])));
        out.push_back({element, NoteGroup::ElementName, written, 0});
    }
    return out;
}

}  // namespace quirvo
