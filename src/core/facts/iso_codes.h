#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quirvo {

// The codes of Debian's iso-codes JSON files, in upper case.
struct IsoCountry {
    std::string alpha2, alpha3;  // IT, ITA
};
struct IsoLanguage {
    std::string alpha2, alpha3, bibliographic;  // DE (may be ""), DEU, GER (may be "")
};

// iso_3166-1.json: the countries; nothing when the text is not that file.
std::optional<std::vector<IsoCountry>> readIsoCountries(std::string_view json);
// iso_639-2.json: the languages.
std::optional<std::vector<IsoLanguage>> readIsoLanguages(std::string_view json);
// iso_3166-2.json: the Italian provinces by their two-letter code (RM ->
// Roma); the regions' number codes are left out.
std::optional<std::map<std::string, std::string>> readIsoProvinces(std::string_view json);

}  // namespace quirvo
