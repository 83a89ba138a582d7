#pragma once

#include <algorithm>
#include <chrono>

namespace quirvo {

// When a time limit that starts at `start` runs out. A limit beyond a year
// counts as a year, so no limit however large overflows the clock; one
// that is not a number counts as none left.
inline std::chrono::steady_clock::time_point deadlineAfter(std::chrono::steady_clock::time_point start, double seconds) {
    constexpr double LONGEST = 365.0 * 24 * 3600;
    const double limit = seconds > 0 ? std::min(seconds, LONGEST) : 0.0;
    return start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(limit));
}

}  // namespace quirvo
