#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quirvo {

// One position of an affix condition: any character, or a set of them
// ([abc]) or its complement ([^abc]).
struct ConditionClass {
    bool any = false;
    bool negated = false;
    std::u32string set;
    bool matches(char32_t c) const;
};

// One line of a Hunspell affix class: strip these characters from the end
// (suffix) or the start (prefix) of a stem the condition matches, then add.
struct AffixRule {
    std::u32string strip, add;
    std::vector<ConditionClass> condition;  // against the stem's end (suffix) or start (prefix)
    bool appliesTo(std::u32string_view stem, bool prefix) const;
    std::u32string apply(std::u32string_view stem, bool prefix) const;
};

// A flag's affix class: its rules in the order of the file.
struct AffixClass {
    bool prefix = false;
    bool crossProduct = false;  // combines with a suffix (or prefix) that allows it too
    std::vector<AffixRule> rules;
    // A prefix that only elides (l', un', dell'): its words hold an apostrophe.
    bool elision() const;
};

// The affix classes of a Hunspell .aff file, by flag. A flag is one
// character (code point) as the Italian dictionary writes them; lines of
// other commands are ignored, a damaged line is skipped.
class AffixRules {
public:
    // The text is UTF-8 (bytes that are not are read as code page 1252).
    static AffixRules parse(std::string_view affText);

    const AffixClass* find(char32_t flag) const;
    const std::map<char32_t, AffixClass>& classes() const { return classes_; }

private:
    std::map<char32_t, AffixClass> classes_;
};

// A line of a Hunspell .dic file: the stem and its flags.
struct HunspellStem {
    std::u32string word;
    std::u32string flags;
};

// The stems of a .dic text: a first line holding only the count, blank
// lines and lines starting with "/" are not stems; morphological fields
// after a tab are dropped; "\/" is a slash of the word.
std::vector<HunspellStem> parseHunspellDic(std::string_view dicText);

}  // namespace quirvo
