#include "core/facts/iso_codes.h"

#include <nlohmann/json.hpp>

#include "core/common/text_encoding.h"

namespace quirvo {

namespace {

using Json = nlohmann::json;

// The objects of the file's one array, under `key`.
std::optional<Json> entries(std::string_view text, const char* key) {
    Json json = Json::parse(text.begin(), text.end(), nullptr, false);
    if (json.is_discarded() || !json.is_object() || !json.contains(key) || !json[key].is_array()) return std::nullopt;
    return std::move(json[key]);
}

std::string field(const Json& entry, const char* name) {
    if (!entry.is_object()) return {};
    const auto found = entry.find(name);
    return found != entry.end() && found->is_string() ? upperUtf8(found->get<std::string>()) : std::string();
}

}  // namespace

std::optional<std::vector<IsoCountry>> readIsoCountries(std::string_view json) {
    const auto all = entries(json, "3166-1");
    if (!all) return std::nullopt;
    std::vector<IsoCountry> countries;
    for (const Json& e : *all) countries.push_back({field(e, "alpha_2"), field(e, "alpha_3")});
    return countries;
}

std::optional<std::vector<IsoLanguage>> readIsoLanguages(std::string_view json) {
    const auto all = entries(json, "639-2");
    if (!all) return std::nullopt;
    std::vector<IsoLanguage> languages;
    for (const Json& e : *all) languages.push_back({field(e, "alpha_2"), field(e, "alpha_3"), field(e, "bibliographic")});
    return languages;
}

std::optional<std::map<std::string, std::string>> readIsoProvinces(std::string_view json) {
    const auto all = entries(json, "3166-2");
    if (!all) return std::nullopt;
    std::map<std::string, std::string> provinces;
    for (const Json& e : *all) {
        const std::string code = field(e, "code");
        if (code.size() == 5 && code.starts_with("IT-") && code[3] >= 'A' && code[4] >= 'A' && e.contains("name") &&
            e["name"].is_string())
            provinces[code.substr(3)] = e["name"].get<std::string>();
    }
    return provinces;
}

}  // namespace quirvo
