#include "core/facts/familiarity.h"

#include <algorithm>
#include <cmath>

namespace quirvo {

int familiarityOfRank(uint32_t rank) {
    const double value = std::round(173.3 - 14.15 * std::log(double(std::max<uint32_t>(rank, 1))));
    return int(std::clamp(value, 15.0, 100.0));
}

}  // namespace quirvo
