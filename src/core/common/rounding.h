#pragma once

#include <cmath>
#include <cstdint>

namespace quirvo {

// Computed sizes round half to even (2.5 -> 2, 3.5 -> 4).
inline int16_t roundHalfEven(double value) {
    return static_cast<int16_t>(std::nearbyint(value));
}

}  // namespace quirvo
