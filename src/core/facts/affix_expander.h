#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/facts/affix_rules.h"

namespace quirvo {

inline constexpr uint16_t NO_RULE = UINT16_MAX;

// One word a stem stands for, with the affix rules that made it: unlike a
// plain expansion, it remembers which class and which line of it.
struct AffixForm {
    std::u32string word;
    char32_t suffixFlag = 0;  // 0: no suffix
    uint16_t suffixRule = NO_RULE;
    char32_t prefixFlag = 0;  // 0: no prefix
    uint16_t prefixRule = NO_RULE;
};

// Every form of a stem: the stem itself first, then each suffix and each
// prefix its flags allow, then each prefix on each suffixed form where both
// classes allow the cross product. Elision prefixes are left out (their
// words hold an apostrophe), and so are flags without a class.
std::vector<AffixForm> expandStem(const AffixRules& rules, const HunspellStem& stem);

}  // namespace quirvo
