// Any bytes as the ISTAT scripts (city.js, province.js and region.js, split
// at NUL bytes), as CLDR XML (the whole, then its first part after it) and
// as iso-codes JSON: read or refused, and whatever is read names every
// town's province and region.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/facts/cldr_names.h"
#include "core/facts/iso_codes.h"
#include "core/facts/italian_places.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t first = bytes.find('\0');
    const size_t second = first == std::string::npos ? std::string::npos : bytes.find('\0', first + 1);
    const std::string city = bytes.substr(0, first);
    const std::string province = first == std::string::npos ? "" : bytes.substr(first + 1, second - first - 1);
    const std::string region = second == std::string::npos ? "" : bytes.substr(second + 1);
    if (const auto places = quirvo::readItalianPlaces(city, province, region))
        for (const auto& town : places->towns) {
            const auto& p = places->provinces;
            const auto& r = places->regions;
            if (std::none_of(p.begin(), p.end(), [&](const auto& x) { return x.name == town.province; }) ||
                std::find(r.begin(), r.end(), town.region) == r.end())
                std::abort();
        }
    (void)quirvo::readCldrNames({bytes, city});
    (void)quirvo::readIsoCountries(bytes);
    (void)quirvo::readIsoLanguages(bytes);
    (void)quirvo::readIsoProvinces(bytes);
    return 0;
}
