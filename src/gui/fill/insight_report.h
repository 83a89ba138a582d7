#pragma once

// The engine's insight names a field `slots`, which Qt's keyword macro of
// the same name would swallow: the window includes it through here.
#pragma push_macro("slots")
#undef slots
#include "core/fill/insight.h"

namespace quirvo {

inline const std::vector<SlotInsight>& slotInsights(const InsightReport& report) { return report.slots; }

}  // namespace quirvo
#pragma pop_macro("slots")
