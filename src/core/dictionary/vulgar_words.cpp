#include "core/dictionary/vulgar_words.h"

#include <algorithm>
#include <array>

namespace quirvo {

namespace {

// Sorted, so a binary search finds them.
constexpr std::array<std::string_view, 47> VULGAR{
    "BASTARDA", "BASTARDE",  "BASTARDI",  "BASTARDO",   "CAGARE",    "CAZZATA",  "CAZZATE",   "CAZZI",
    "CAZZO",    "COGLIONA",  "COGLIONATA", "COGLIONE",  "COGLIONI",  "CULI",     "CULO",      "FIGA",
    "FIGHE",    "FOTTERE",   "FOTTUTO",   "FROCI",      "FROCIO",    "MERDA",    "MERDE",     "MIGNOTTA",
    "MIGNOTTE", "MINCHIA",   "NEGRA",     "NEGRI",      "NEGRO",     "PUTTANA",  "PUTTANATA", "PUTTANE",
    "SBORRA",   "SCOPARE",   "STRONZA",   "STRONZATA",  "STRONZATE", "STRONZE",  "STRONZI",   "STRONZO",
    "TROIA",    "TROIE",     "VAFFA",     "VAFFANCULO", "ZOCCOLA",  "ZOCCOLE",  "ZOCCOLONA",
};

}  // namespace

bool vulgarWord(std::string_view folded) {
    static_assert(std::is_sorted(VULGAR.begin(), VULGAR.end()));
    return std::binary_search(VULGAR.begin(), VULGAR.end(), folded);
}

}  // namespace quirvo
