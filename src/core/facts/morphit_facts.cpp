#include "core/facts/morphit_facts.h"

#include <nlohmann/json.hpp>

#include "core/facts/clitics.h"
#include "core/facts/letters.h"

namespace quirvo {

namespace {

using Json = nlohmann::json;

std::optional<Json> parseObject(std::string_view text) {
    Json json = Json::parse(text.begin(), text.end(), nullptr, false);
    if (json.is_discarded() || !json.is_object()) return std::nullopt;
    return json;
}

// Calls f with every string under a node, however deep.
template <typename F>
void forEachString(const Json& node, F&& f) {
    if (node.is_string()) return f(node.get_ref<const std::string&>());
    if (node.is_object() || node.is_array())
        for (const Json& child : node) forEachString(child, f);
}

const Json* member(const Json& node, const char* key) {
    if (!node.is_object()) return nullptr;
    const auto found = node.find(key);
    return found == node.end() ? nullptr : &*found;
}

void addAll(const Json* node, WordKind kind, std::string_view lemma, FactSheet& sheet) {
    if (!node) return;
    forEachString(*node, [&](const std::string& form) {
        if (const auto word = letterWord(form)) sheet.addKind(*word, kind, lemma, FactSource::MorphIt);
    });
}

// The gerund and the infinitive of the tables sometimes carry pronouns.
void addWithPronouns(const Json* node, WordKind plain, std::string_view infinitive, std::string_view lemma,
                     FactSheet& sheet) {
    if (!node) return;
    forEachString(*node, [&](const std::string& form) {
        const auto word = letterWord(form);
        if (!word) return;
        const bool isPlain = plain == WordKind::Gerund ? word->ends_with("NDO") : *word == infinitive;
        if (isPlain) return sheet.addKind(*word, plain, lemma, FactSource::MorphIt);
        sheet.addKind(*word, WordKind::VerbWithPronouns, lemma, FactSource::MorphIt);
        if (plain != WordKind::Gerund) return;
        for (const size_t n : cliticEndings(*word))
            if (std::string_view(*word).substr(0, word->size() - n).ends_with("NDO"))
                sheet.addKind(word->substr(0, word->size() - n), WordKind::Gerund, lemma, FactSource::MorphIt);
    });
}

}  // namespace

bool addMorphItVerbs(std::string_view json, FactSheet& sheet) {
    const auto verbs = parseObject(json);
    if (!verbs) return false;
    for (const auto& [key, tenses] : verbs->items()) {
        const auto infinitive = letterWord(key);
        if (!infinitive || infinitive->size() < 4) continue;
        const bool reflexive = infinitive->ends_with("RSI");
        const std::string lemma = reflexive ? infinitive->substr(0, infinitive->size() - 2) + "E" : *infinitive;
        sheet.addKind(*infinitive, reflexive ? WordKind::VerbWithPronouns : WordKind::Infinitive, lemma,
                      FactSource::MorphIt);
        for (const char* mood : {"ind", "sub", "cond", "impr"}) addAll(member(tenses, mood), WordKind::FiniteVerb, lemma, sheet);
        if (const Json* participles = member(tenses, "part")) {
            addAll(member(*participles, "past"), WordKind::PastParticiple, lemma, sheet);
            addAll(member(*participles, "pres"), WordKind::PresentParticiple, lemma, sheet);
        }
        addWithPronouns(member(tenses, "ger"), WordKind::Gerund, *infinitive, lemma, sheet);
        // ACCORGERSI is its own infinitive, pronoun and all.
        addWithPronouns(member(tenses, "inf"), WordKind::Infinitive, reflexive ? "" : *infinitive, lemma, sheet);
    }
    return true;
}

bool addMorphItNouns(std::string_view json, FactSheet& sheet) {
    const auto nouns = parseObject(json);
    if (!nouns) return false;
    for (const auto& [key, forms] : nouns->items()) {
        const auto noun = letterWord(key);
        if (!noun) continue;
        sheet.addKind(*noun, WordKind::Noun, *noun, FactSource::MorphIt);
        addAll(member(forms, "P"), WordKind::Noun, *noun, sheet);
    }
    return true;
}

bool addMorphItAdjectives(std::string_view json, FactSheet& sheet) {
    const auto adjectives = parseObject(json);
    if (!adjectives) return false;
    for (const auto& [key, forms] : adjectives->items()) {
        const auto adjective = letterWord(key);
        if (!adjective) continue;
        sheet.addKind(*adjective, WordKind::Noun, *adjective, FactSource::MorphIt);
        for (const char* form : {"MP", "FS", "FP"}) addAll(member(forms, form), WordKind::Noun, *adjective, sheet);
    }
    return true;
}

}  // namespace quirvo
