#include "core/facts/familiarity.h"

#include <algorithm>
#include <cmath>

namespace quirvo {

int familiarityOfRank(uint32_t rank) {
    const double value = std::round(173.3 - 14.15 * std::log(double(std::max<uint32_t>(rank, 1))));
    return int(std::clamp(value, 15.0, 100.0));
}

bool sharesLemmaRank(std::string_view form, std::string_view lemma) {
    const bool superlative = form.size() > 6 && form.substr(form.size() - 6, 5) == "ISSIM";
    return !superlative || lemma.find("ISSIM") != std::string_view::npos;
}

}  // namespace quirvo
