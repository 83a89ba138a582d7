#include "core/facts/cldr_names.h"

#include <expat.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>
#include <utility>

namespace quirvo {

namespace {

// Where the text of the element being read goes when it ends: a name
// keyed by code, or one field.
struct Sink {
    std::map<std::string, std::string>* names = nullptr;
    std::string code;
    std::string* field = nullptr;
};

struct Reading {
    CldrNames result;
    std::map<std::string, std::string>* list = nullptr;  // inside <territories>, <languages>, <subdivisions>
    bool inCurrencies = false, inTerritoryInfo = false;
    std::string currency;                                 // inside one <currency> of <currencies>
    std::string territory;                                // inside one <territory> of <territoryInfo>
    double population = 0;
    std::map<std::string, double> populations;            // of each territory
    std::map<std::string, std::vector<std::string>> usedIn;  // current currency: its territories
    std::map<std::string, std::pair<double, std::string>> speakers;  // language: most in one territory
    std::map<std::string, std::string> emojiNames, emojiKeywords;     // by the emoji
    std::optional<Sink> sink;
    std::string text;
};

std::string_view attribute(const XML_Char** attributes, std::string_view name) {
    for (const XML_Char** a = attributes; a[0]; a += 2)
        if (name == a[0]) return a[1];
    return {};
}

bool hasAttribute(const XML_Char** attributes, std::string_view name) {
    for (const XML_Char** a = attributes; a[0]; a += 2)
        if (name == a[0]) return true;
    return false;
}

void startLists(Reading& r, std::string_view element) {
    CldrNames& n = r.result;
    if (element == "territories") r.list = &n.territories;
    else if (element == "languages") r.list = &n.languages;
    else if (element == "subdivisions") r.list = &n.subdivisions;
    else if (element == "currencies") r.inCurrencies = true;
    else if (element == "territoryInfo") r.inTerritoryInfo = true;
}

// <currency iso4217="BRL" from="1994-07-01"/> under a country of the
// supplemental data: still used unless it has an end or is no tender.
void startCurrencyUse(Reading& r, const XML_Char** a) {
    const std::string_view code = attribute(a, "iso4217");
    if (!code.empty() && !hasAttribute(a, "to") && attribute(a, "tender") != "false")
        r.usedIn[std::string(code)].push_back(r.territory);
}

void startSupplemental(Reading& r, std::string_view element, const XML_Char** a) {
    if (element == "region") r.territory = attribute(a, "iso3166");
    else if (element == "currency" && !r.inCurrencies) startCurrencyUse(r, a);
    else if (element == "territory" && r.inTerritoryInfo) {
        r.territory = attribute(a, "type");
        r.population = std::atof(std::string(attribute(a, "population")).c_str());
        r.populations[r.territory] = r.population;
    } else if (element == "languagePopulation" && r.inTerritoryInfo) {
        const double share = std::atof(std::string(attribute(a, "populationPercent")).c_str());
        auto& best = r.speakers[std::string(attribute(a, "type"))];
        if (r.population * share > best.first) best = {r.population * share, r.territory};
    }
}

void XMLCALL start(void* data, const XML_Char* name, const XML_Char** a) {
    auto& r = *static_cast<Reading*>(data);
    const std::string_view element = name;
    startLists(r, element);
    startSupplemental(r, element, a);
    r.sink.reset();
    r.text.clear();
    if (hasAttribute(a, "alt")) return;
    if (element == "annotation") {
        const bool name = attribute(a, "type") == "tts";
        r.sink = Sink{name ? &r.emojiNames : &r.emojiKeywords, std::string(attribute(a, "cp")), nullptr};
    } else if (r.list && (element == "territory" || element == "language" || element == "subdivision"))
        r.sink = Sink{r.list, std::string(attribute(a, "type")), nullptr};
    else if (r.inCurrencies && element == "currency") r.currency = attribute(a, "type");
    else if (r.inCurrencies && element == "displayName" && !r.currency.empty()) {
        CldrCurrency& c = r.result.currencies[r.currency];
        const std::string_view count = attribute(a, "count");
        if (count.empty() || count == "other") r.sink = Sink{nullptr, {}, count.empty() ? &c.name : &c.plural};
    }
}

void XMLCALL end(void* data, const XML_Char* name) {
    auto& r = *static_cast<Reading*>(data);
    const std::string_view element = name;
    if (element == "territories" || element == "languages" || element == "subdivisions") r.list = nullptr;
    if (element == "currencies") r.inCurrencies = false;
    if (element == "territoryInfo") r.inTerritoryInfo = false;
    if (element == "currency") r.currency.clear();
    if (!r.sink || r.text.empty()) return;
    if (r.sink->names && !r.sink->code.empty()) r.sink->names->emplace(r.sink->code, r.text);
    if (r.sink->field && r.sink->field->empty()) *r.sink->field = r.text;
    r.sink.reset();
}

void XMLCALL characters(void* data, const XML_Char* s, int length) {
    auto& r = *static_cast<Reading*>(data);
    if (r.sink) r.text.append(s, size_t(length));
}

bool parse(Reading& reading, std::string_view xml) {
    const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(XML_ParserCreate("UTF-8"),
                                                                              XML_ParserFree);
    if (!parser || xml.size() > size_t(INT_MAX)) return false;
    XML_SetUserData(parser.get(), &reading);
    XML_SetElementHandler(parser.get(), start, end);
    XML_SetCharacterDataHandler(parser.get(), characters);
    return XML_Parse(parser.get(), xml.data(), int(xml.size()), XML_TRUE) == XML_STATUS_OK;
}

// "animale | cane | cucciolo": the words between the bars, trimmed.
std::vector<std::string> splitKeywords(const std::string& text) {
    std::vector<std::string> out;
    for (size_t from = 0; from < text.size();) {
        const size_t end = std::min(text.find('|', from), text.size());
        const size_t first = text.find_first_not_of(' ', from);
        if (first < end) out.push_back(text.substr(first, text.find_last_not_of(' ', end - 1) - first + 1));
        from = end + 1;
    }
    return out;
}

// A currency still in use counts one user at least, though its countries
// have no population on record.
void finish(Reading& r) {
    for (const auto& [code, territories] : r.usedIn) {
        const auto found = r.result.currencies.find(code);
        if (found == r.result.currencies.end()) continue;
        found->second.users = 1;
        for (const std::string& territory : territories) found->second.users += r.populations[territory];
    }
    for (const auto& [language, best] : r.speakers)
        if (best.first > 0) r.result.languageHomes.emplace(language, best.second);
    for (const auto& [emoji, name] : r.emojiNames)
        r.result.annotations.push_back({name, splitKeywords(r.emojiKeywords[emoji])});
}

}  // namespace

std::optional<CldrNames> readCldrNames(const std::vector<std::string_view>& documents) {
    Reading reading;
    for (const std::string_view xml : documents) {
        if (!parse(reading, xml)) return std::nullopt;
        reading.list = nullptr;
        reading.inCurrencies = reading.inTerritoryInfo = false;
        reading.sink.reset();
    }
    finish(reading);
    return std::move(reading.result);
}

}  // namespace quirvo
