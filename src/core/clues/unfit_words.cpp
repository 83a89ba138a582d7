#include "core/clues/unfit_words.h"

#include <algorithm>
#include <array>

namespace quirvo {

namespace {

// Sorted, so a binary search finds them.
constexpr std::array<std::string_view, 46> UNFIT{
    "BASTARDA", "BASTARDE",  "BASTARDI",  "BASTARDO",   "CAGARE",    "CAZZATA",  "CAZZATE",   "CAZZI",
    "CAZZO",    "COGLIONA",  "COGLIONATA", "COGLIONE",  "COGLIONI",  "CULI",     "CULO",      "FIGA",
    "FIGHE",    "FOTTERE",   "FOTTUTO",   "FROCI",      "FROCIO",    "MERDA",    "MERDE",     "MIGNOTTA",
    "MIGNOTTE", "MINCHIA",   "NEGRA",     "NEGRI",      "NEGRO",     "PUTTANA",  "PUTTANATA", "PUTTANE",
    "SBORRA",   "SCOPARE",   "STRONZA",   "STRONZATA",  "STRONZATE", "STRONZE",  "STRONZI",   "STRONZO",
    "TROIA",    "TROIE",     "VAFFANCULO", "ZOCCOLA",   "ZOCCOLE",   "ZOCCOLONA",
};

}  // namespace

bool unfitForClues(std::string_view folded) {
    static_assert(std::is_sorted(UNFIT.begin(), UNFIT.end()));
    return std::binary_search(UNFIT.begin(), UNFIT.end(), folded);
}

}  // namespace quirvo
