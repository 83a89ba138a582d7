#include "core/facts/affix_expander.h"

namespace quirvo {

std::vector<AffixForm> expandStem(const AffixRules& rules, const HunspellStem& stem) {
    std::vector<AffixForm> forms{{stem.word}};
    std::vector<std::pair<char32_t, const AffixClass*>> prefixes;
    for (const char32_t flag : stem.flags) {
        const AffixClass* c = rules.find(flag);
        if (!c) continue;
        if (c->prefix) {
            if (!c->elision()) prefixes.emplace_back(flag, c);
            continue;
        }
        for (size_t r = 0; r < c->rules.size(); ++r)
            if (c->rules[r].appliesTo(stem.word, false))
                forms.push_back({c->rules[r].apply(stem.word, false), flag, uint16_t(r)});
    }
    const size_t suffixed = forms.size();
    for (const auto& [flag, c] : prefixes)
        for (size_t i = 0; i < suffixed; ++i) {
            const AffixForm base = forms[i];
            if (base.suffixFlag && !(c->crossProduct && rules.find(base.suffixFlag)->crossProduct)) continue;
            for (size_t r = 0; r < c->rules.size(); ++r)
                if (c->rules[r].appliesTo(base.word, true))
                    forms.push_back({c->rules[r].apply(base.word, true), base.suffixFlag, base.suffixRule, flag,
                                     uint16_t(r)});
        }
    return forms;
}

}  // namespace quirvo
