#include "core/facts/affix_expander.h"

#include <gtest/gtest.h>

#include <set>

#include "core/common/text_encoding.h"
#include "core/facts/hunspell_facts.h"

namespace quirvo {
namespace {

// A few rules in the shape of the Italian ones: a verb class on -ARE
// infinitives, a plural class, an adverb class, an elision, a word prefix.
constexpr char AFF[] = R"(SET UTF-8
# verbs: cg.p., p.pass.
SFX A Y 4
SFX A are o [^cg]are
SFX A are hi [cg]are
SFX A re to are
SFX A e 0 are
SFX O N 2
SFX O o i [^cg]o
SFX O o hi [cg]o
SFX Y Y 1
SFX Y o amente o
PFX T Y 2
PFX T 0 l' [aeiou]
PFX T 0 L' [AEIOU]
PFX J Y 1
PFX J 0 ri .
SFX G Y 1
SFX G 0 lo [ae]ndo
)";

std::set<std::string> words(const std::vector<AffixForm>& forms) {
    std::set<std::string> out;
    for (const AffixForm& f : forms) out.insert(encodeUtf8(f.word));
    return out;
}

TEST(AffixExpander, EveryFormRemembersItsRuleAndElisionsAreLeftOut) {
    const AffixRules rules = AffixRules::parse(AFF);
    const struct {
        const char* line;
        std::set<std::string> forms;
    } cases[] = {
        {"amare/AJT", {"amare", "amo", "amato", "amar", "riamare", "riamo", "riamato", "riamar"}},
        {"cercare/A", {"cercare", "cerchi", "cercato", "cercar"}},  // [cg]are, not [^cg]are
        {"lento/OY", {"lento", "lenti", "lentamente"}},
        {"fuoco/O", {"fuoco", "fuochi"}},
        {"ascisc/T", {"ascisc"}},
        {"amando/G", {"amando", "amandolo"}},
        {"città", {"città"}},
    };
    for (const auto& c : cases) {
        const auto stems = parseHunspellDic(c.line);
        ASSERT_EQ(stems.size(), 1u) << c.line;
        EXPECT_EQ(words(expandStem(rules, stems[0])), c.forms) << c.line;
    }
    const auto forms = expandStem(rules, parseHunspellDic("amare/A")[0]);
    EXPECT_EQ(forms[0].suffixFlag, 0u);  // the stem itself
    const auto amato = std::find_if(forms.begin(), forms.end(), [](const AffixForm& f) { return f.word == U"amato"; });
    ASSERT_NE(amato, forms.end());
    EXPECT_EQ(amato->suffixFlag, U'A');
    EXPECT_EQ(amato->suffixRule, 2);
}

TEST(AffixExpander, DicLinesAndAffixRoles) {
    const auto stems = parseHunspellDic("3\n/ a comment\nuno/AB\tpo:noun\n\ndue\\/tre/C\nquattro\n");
    ASSERT_EQ(stems.size(), 3u);
    EXPECT_EQ(stems[0].word, U"uno");
    EXPECT_EQ(stems[0].flags, U"AB");
    EXPECT_EQ(stems[1].word, U"due/tre");
    EXPECT_EQ(stems[2].flags, U"");

    const AffixRules rules = AffixRules::parse(AFF);
    const std::pair<char32_t, AffixRole> roles[] = {
        {U'A', AffixRole::Verb},      {U'O', AffixRole::Nominal},    {U'Y', AffixRole::Adverb},
        {U'T', AffixRole::Elision},   {U'J', AffixRole::WordPrefix}, {U'G', AffixRole::GerundPronouns},
    };
    for (const auto& [flag, role] : roles) EXPECT_EQ(affixRole(*rules.find(flag)), role) << char(flag);
}

}  // namespace
}  // namespace quirvo
