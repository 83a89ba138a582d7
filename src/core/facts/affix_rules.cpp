#include "core/facts/affix_rules.h"

#include <algorithm>

#include "core/common/text_encoding.h"
#include "core/facts/text_lines.h"

namespace quirvo {

namespace {

std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    forEachField(line, [&](std::string_view field) { fields.push_back(field); });
    return fields;
}

// "0" stands for nothing; what follows "/" names continuation classes,
// which the Italian rules do not use.
std::u32string affixText(std::string_view field) {
    field = field.substr(0, field.find('/'));
    return field == "0" ? std::u32string() : decodeUtf8(field);
}

std::vector<ConditionClass> parseCondition(std::u32string_view text) {
    std::vector<ConditionClass> classes;
    for (size_t i = 0; i < text.size(); ++i) {
        ConditionClass c;
        if (text[i] == U'.') {
            c.any = true;
        } else if (text[i] == U'[') {
            size_t end = text.find(U']', i + 1);
            if (end == std::u32string_view::npos) end = text.size();
            std::u32string_view inside = text.substr(i + 1, end - i - 1);
            if (!inside.empty() && inside[0] == U'^') {
                c.negated = true;
                inside.remove_prefix(1);
            }
            c.set = inside;
            i = end;
        } else {
            c.set = text[i];
        }
        classes.push_back(std::move(c));
    }
    return classes;
}

}  // namespace

bool ConditionClass::matches(char32_t c) const {
    return any || (set.find(c) != std::u32string::npos) != negated;
}

bool AffixRule::appliesTo(std::u32string_view stem, bool prefix) const {
    if (stem.size() <= strip.size() || stem.size() < condition.size()) return false;
    if (prefix ? !stem.starts_with(strip) : !stem.ends_with(strip)) return false;
    const size_t from = prefix ? 0 : stem.size() - condition.size();
    for (size_t i = 0; i < condition.size(); ++i)
        if (!condition[i].matches(stem[from + i])) return false;
    return true;
}

std::u32string AffixRule::apply(std::u32string_view stem, bool prefix) const {
    if (prefix) return add + std::u32string(stem.substr(strip.size()));
    return std::u32string(stem.substr(0, stem.size() - strip.size())) + add;
}

bool AffixClass::elision() const {
    return prefix && !rules.empty() && std::all_of(rules.begin(), rules.end(), [](const AffixRule& r) {
        return r.add.find_first_of(U"'\u2019") != std::u32string::npos;
    });
}

AffixRules AffixRules::parse(std::string_view affText) {
    AffixRules rules;
    forEachLine(affText, [&](std::string_view line) {
        const std::vector<std::string_view> f = fieldsOf(line);
        if (f.size() < 4 || (f[0] != "SFX" && f[0] != "PFX")) return;
        const std::u32string flag = decodeUtf8(f[1]);
        if (flag.size() != 1) return;
        const auto [at, fresh] = rules.classes_.try_emplace(flag[0]);
        if (fresh) {  // the header: SFX A Y 81
            at->second.prefix = f[0] == "PFX";
            at->second.crossProduct = f[2] == "Y";
            return;
        }
        if (at->second.prefix != (f[0] == "PFX")) return;
        AffixRule rule;
        rule.strip = affixText(f[2]);
        rule.add = affixText(f[3]);
        rule.condition = parseCondition(f.size() > 4 ? decodeUtf8(f[4]) : U".");
        at->second.rules.push_back(std::move(rule));
    });
    return rules;
}

const AffixClass* AffixRules::find(char32_t flag) const {
    const auto found = classes_.find(flag);
    return found == classes_.end() ? nullptr : &found->second;
}

std::vector<HunspellStem> parseHunspellDic(std::string_view dicText) {
    std::vector<HunspellStem> stems;
    bool first = true;
    forEachLine(dicText, [&](std::string_view line) {
        const bool countLine = first && !line.empty() &&
                               std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
        first = false;
        line = line.substr(0, line.find('\t'));
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.remove_suffix(1);
        if (countLine || line.empty() || line[0] == '/') return;
        HunspellStem stem;
        size_t slash = line.find('/');
        while (slash != std::string_view::npos && slash > 0 && line[slash - 1] == '\\')
            slash = line.find('/', slash + 1);
        std::string word(line.substr(0, slash));
        for (size_t at = word.find("\\/"); at != std::string::npos; at = word.find("\\/", at)) word.erase(at, 1);
        stem.word = decodeUtf8(word);
        if (slash != std::string_view::npos) stem.flags = decodeUtf8(line.substr(slash + 1));
        if (!stem.word.empty()) stems.push_back(std::move(stem));
    });
    return stems;
}

}  // namespace quirvo
