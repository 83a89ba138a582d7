#include "core/facts/hunspell_facts.h"

#include <algorithm>
#include <optional>

#include "core/common/text_encoding.h"
#include "core/facts/affix_expander.h"
#include "core/facts/clitics.h"
#include "core/facts/letters.h"
#include "core/facts/roman_numerals.h"
#include "core/facts/verb_forms.h"

namespace quirvo {

namespace {

bool conditionEndsWith(const AffixRule& rule, std::u32string_view letters) {
    const auto& c = rule.condition;
    if (c.size() < letters.size()) return false;
    for (size_t i = 0; i < letters.size(); ++i) {
        const ConditionClass& k = c[c.size() - letters.size() + i];
        if (k.any || k.negated || k.set.size() != 1 || k.set[0] != letters[i]) return false;
    }
    return true;
}

template <typename P>
bool allRules(const AffixClass& affixes, P&& p) {
    return !affixes.rules.empty() && std::all_of(affixes.rules.begin(), affixes.rules.end(), p);
}

std::optional<std::string> folded(std::u32string_view word) { return letterWord(encodeUtf8(word)); }

bool upperLetter(char32_t c) { return (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7); }
bool lowerLetter(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= 0xDF && c <= 0xFF && c != 0xF7); }

// The stem and what its classes make of it.
struct Stem {
    const HunspellStem& source;
    std::string word;  // folded
    std::vector<AffixRole> roles;
    bool has(AffixRole role) const { return std::find(roles.begin(), roles.end(), role) != roles.end(); }
};

class StemReader {
public:
    StemReader(const AffixRules& rules, FactSheet& sheet) : rules_(rules), sheet_(sheet) {}
    void read(const HunspellStem& source);

private:
    AffixRole role(char32_t flag) const { return affixRole(*rules_.find(flag)); }
    std::string unprefixed(const Stem& stem, const AffixForm& form) const;
    std::string prefixed(const Stem& stem, const AffixForm& form) const;
    void addProper(const std::vector<AffixForm>& forms, WordHint hint);
    void addStemKind(const Stem& stem, std::string_view word, std::string_view lemma);
    std::string verbOfGerund(const Stem& stem, std::string_view fallback) const;
    bool verbSpelling(const std::vector<std::string>& nominal) const;
    void addForm(const Stem& stem, const AffixForm& form, std::string_view word, const VerbParadigm& verb,
                 const std::vector<std::string>& nominal);

    const AffixRules& rules_;
    FactSheet& sheet_;
};

std::string StemReader::unprefixed(const Stem& stem, const AffixForm& form) const {
    if (!form.suffixFlag) return stem.word;
    const AffixRule& rule = rules_.find(form.suffixFlag)->rules[form.suffixRule];
    return folded(rule.apply(stem.source.word, false)).value_or(std::string());
}

std::string StemReader::prefixed(const Stem& stem, const AffixForm& form) const {
    if (!form.prefixFlag) return stem.word;
    const AffixRule& rule = rules_.find(form.prefixFlag)->rules[form.prefixRule];
    return folded(rule.apply(stem.source.word, true)).value_or(stem.word);
}

void StemReader::addProper(const std::vector<AffixForm>& forms, WordHint hint) {
    for (const AffixForm& form : forms)
        if (const auto word = folded(form.word)) {
            sheet_.addSource(*word, FactSource::Hunspell);
            sheet_.addHint(*word, hint);
        }
}

// A gerund listed as a stem (DICENDO) belongs to the verb the tables give
// it, when they do.
std::string StemReader::verbOfGerund(const Stem& stem, std::string_view fallback) const {
    const uint32_t at = sheet_.at(stem.word);
    if (at != FactSheet::NONE && hasKind(sheet_.kinds(at), WordKind::Gerund) && !sheet_.lemma(at).empty() &&
        stem.word == fallback)
        return std::string(sheet_.lemma(at));
    return std::string(fallback);
}

// The stem itself, or the stem with a word prefix (RIFARE).
void StemReader::addStemKind(const Stem& stem, std::string_view word, std::string_view lemma) {
    const std::string_view s = stem.word;
    if (stem.has(AffixRole::Verb) && s.ends_with("RE")) {
        sheet_.addKind(word, WordKind::Infinitive, lemma, FactSource::Hunspell);
    } else if ((stem.has(AffixRole::Verb) || stem.has(AffixRole::ReflexiveVerb)) && s.ends_with("RSI")) {
        const std::string infinitive = std::string(lemma.substr(0, lemma.size() - 2)) + "E";
        sheet_.addKind(word, WordKind::VerbWithPronouns, infinitive, FactSource::Hunspell);
    } else if (stem.has(AffixRole::GerundPronouns) && s.ends_with("NDO")) {
        sheet_.addKind(word, WordKind::Gerund, verbOfGerund(stem, lemma), FactSource::Hunspell);
    } else if (stem.has(AffixRole::Nominal) || stem.has(AffixRole::Adverb)) {
        sheet_.addKind(word, WordKind::Noun, lemma, FactSource::Hunspell);
    } else {
        sheet_.addHint(word, WordHint::PlainWord);
    }
}

void StemReader::addForm(const Stem& stem, const AffixForm& form, std::string_view word, const VerbParadigm& verb,
                         const std::vector<std::string>& nominal) {
    const std::string lemma = prefixed(stem, form);
    if (!form.suffixFlag) return addStemKind(stem, word, lemma);
    const std::string bare = unprefixed(stem, form);
    switch (role(form.suffixFlag)) {
        case AffixRole::Verb:
            for (int k = 0; k < WORD_KINDS; ++k)
                if (hasKind(verbFormKinds(verb, bare), WordKind(k)))
                    sheet_.addKind(word, WordKind(k), lemma, FactSource::Hunspell);
            return;
        case AffixRole::ReflexiveVerb:
            return sheet_.addKind(word, WordKind::VerbWithPronouns, lemma.substr(0, lemma.size() - 2) + "E",
                                  FactSource::Hunspell);
        case AffixRole::GerundPronouns:
            return sheet_.addKind(word, WordKind::VerbWithPronouns, verbOfGerund(stem, lemma), FactSource::Hunspell);
        case AffixRole::Adverb:
            return sheet_.addKind(word, WordKind::OtherWord, word, FactSource::Hunspell);
        default:
            break;
    }
    // A participle listed as a stem takes pronouns through a class of its own:
    // DETTOGLI is DETTO plus GLI, CASONE no CASO plus NE.
    for (const size_t n : cliticEndings(bare)) {
        const std::string_view base = std::string_view(bare).substr(0, bare.size() - n);
        if (std::binary_search(nominal.begin(), nominal.end(), base))
            return sheet_.addKind(word, WordKind::VerbWithPronouns, lemma, FactSource::Hunspell);
    }
    sheet_.addKind(word, WordKind::Noun, lemma, FactSource::Hunspell);
}

void StemReader::read(const HunspellStem& source) {
    const auto word = folded(source.word);
    if (!word) return;
    Stem stem{source, *word, {}};
    for (const char32_t flag : source.flags)
        if (rules_.find(flag)) stem.roles.push_back(role(flag));
    const std::vector<AffixForm> forms = expandStem(rules_, source);
    if (upperLetter(source.word[0])) {
        const bool capitals =
            std::none_of(source.word.begin(), source.word.end(), [](char32_t c) { return lowerLetter(c); });
        return addProper(forms, capitals ? WordHint::Capitals : WordHint::Capitalised);
    }
    if (!stem.roles.empty() && std::all_of(stem.roles.begin(), stem.roles.end(),
                                           [](AffixRole r) { return r == AffixRole::Elision; })) {
        sheet_.addSource(stem.word, FactSource::Hunspell);
        return sheet_.addHint(stem.word, WordHint::ElidedOnly);
    }
    std::vector<std::string> verbForms{stem.word}, nominal{stem.word};
    for (const AffixForm& form : forms)
        if (form.suffixFlag && !form.prefixFlag) {
            std::vector<std::string>& into = role(form.suffixFlag) == AffixRole::Verb ? verbForms : nominal;
            if (auto f = folded(form.word)) into.push_back(std::move(*f));
        }
    std::sort(nominal.begin(), nominal.end());
    const VerbParadigm verb(stem.word, std::move(verbForms));
    const bool roman = isRomanNumeral(stem.word), spelling = verbSpelling(nominal);
    for (const AffixForm& form : forms) {
        const auto f = folded(form.word);
        if (!f) continue;
        sheet_.addSource(*f, FactSource::Hunspell);
        if (spelling && (!form.suffixFlag || role(form.suffixFlag) == AffixRole::Nominal))
            sheet_.addHint(*f, WordHint::PlainWord);
        else if (!roman)
            addForm(stem, form, *f, verb, nominal);
    }
}

// STAVO/O and DOVRESTE/S: the dictionary spells some verb forms as a stem
// with a class of plurals, whose every word the verb tables know as a form
// of one verb and never as a noun. (ARA/Q is a noun: ARE is no form of ARARE.)
bool StemReader::verbSpelling(const std::vector<std::string>& nominal) const {
    constexpr KindSet VERBAL = kindBit(WordKind::Infinitive) | kindBit(WordKind::PastParticiple) |
                               kindBit(WordKind::PresentParticiple) | kindBit(WordKind::Gerund) |
                               kindBit(WordKind::FiniteVerb);
    std::string_view lemma;
    for (const std::string& word : nominal) {
        const uint32_t at = sheet_.at(word);
        if (at == FactSheet::NONE || !(sheet_.kinds(at) & VERBAL) || hasKind(sheet_.kinds(at), WordKind::Noun) ||
            (!lemma.empty() && sheet_.lemma(at) != lemma))
            return false;
        lemma = sheet_.lemma(at);
    }
    return nominal.size() > 1;
}

}  // namespace

AffixRole affixRole(const AffixClass& affixes) {
    if (affixes.prefix) return affixes.elision() ? AffixRole::Elision : AffixRole::WordPrefix;
    if (allRules(affixes, [](const AffixRule& r) { return conditionEndsWith(r, U"re"); })) return AffixRole::Verb;
    if (allRules(affixes, [](const AffixRule& r) { return conditionEndsWith(r, U"rsi"); }))
        return AffixRole::ReflexiveVerb;
    if (allRules(affixes, [](const AffixRule& r) { return conditionEndsWith(r, U"ndo"); }))
        return AffixRole::GerundPronouns;
    if (allRules(affixes, [](const AffixRule& r) { return r.add.ends_with(U"mente"); })) return AffixRole::Adverb;
    return AffixRole::Nominal;
}

void addHunspellFacts(const AffixRules& rules, const std::vector<HunspellStem>& stems, FactSheet& sheet) {
    StemReader reader(rules, sheet);
    for (const HunspellStem& stem : stems) reader.read(stem);
}

}  // namespace quirvo
