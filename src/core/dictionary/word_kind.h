#pragma once

#include <cstdint>
#include <string_view>

namespace quirvo {

// What a word is, as an editor judges it. A word may be several things at
// once (ARA is a noun and a verb form); it counts by the first of its kinds
// in this order, which runs from what a magazine prints freely to what it
// strikes.
enum class WordKind : uint8_t {
    Noun,               // a form of a noun or an adjective
    Infinitive,
    PastParticiple,
    PresentParticiple,
    Name,               // a proper name: town, province, region, country, person
    OtherWord,          // a known word of no inflecting class: adverb, interjection
    FunctionWord,       // article, preposition, pronoun, conjunction
    Sigla,
    Roman,              // a roman numeral
    Gerund,
    FiniteVerb,         // indicative, subjunctive, conditional, imperative
    VerbWithPronouns,   // a verb form with pronouns attached: DIRGLIELO
    Truncated,          // a word less its final vowel: AMMARAR
    Unknown,            // no source knows the word
};
inline constexpr int WORD_KINDS = int(WordKind::Unknown) + 1;

// Kinds as bits, bit k for WordKind k; no bit set means Unknown.
using KindSet = uint16_t;
constexpr KindSet kindBit(WordKind kind) { return KindSet(1u << unsigned(kind)); }
constexpr bool hasKind(KindSet kinds, WordKind kind) { return (kinds & kindBit(kind)) != 0; }
inline constexpr KindSet ALL_KINDS = KindSet((1u << unsigned(WordKind::Unknown)) - 1);

// The kind a word counts by.
WordKind bestKind(KindSet kinds);

// The kind's key in the tool's JSON ("past_participle") and its Italian
// name for the window ("participio passato").
std::string_view kindKey(WordKind kind);
std::string_view kindName(WordKind kind);

// Where a fact comes from, as bits.
enum class FactSource : uint8_t {
    WordList,    // the plain Italian word list
    Hunspell,    // the spelling dictionary and its affix rules
    MorphIt,     // the tables of verbs, nouns and adjectives
    Frequency,   // the frequency ranks of subtitles and of Wikipedia
    Places,      // towns, provinces, regions, countries
    People,      // first names and surnames
    Sigle,       // codes and abbreviations
    Grammar,     // function words and roman numerals, known by rule
};
inline constexpr int FACT_SOURCES = int(FactSource::Grammar) + 1;
constexpr uint8_t sourceBit(FactSource source) { return uint8_t(1u << unsigned(source)); }
std::string_view sourceKey(FactSource source);

// What a name or a sigla stands for; the note's text says it.
enum class NoteGroup : uint8_t {
    Town,          // text: the town's province ("Pavia")
    Province,      // text: the province's region
    Region,        // text: the region's chief town
    Country,       // text: the country's capital
    Capital,       // text: the capital's country
    MaleName,
    FemaleName,
    Surname,
    ProvinceCode,  // text: the province ("Roma")
    CountryCode,   // text: the country ("Francia")
    LanguageCode,  // text: the language ("inglese")
    Element,       // text: the element ("ferro")
    Abbreviation,  // text: what it abbreviates ("eccetera")
    ElementName,   // text: the element's symbol ("Fe")
    Currency,        // text: the currency's name ("real brasiliano")
    CurrencyPlural,  // text: the currency's name in the singular ("dollaro statunitense")
    FormerCurrency,  // text: the name of a currency no country uses now ("marco tedesco")
    LanguageName,    // text: the country where most people speak it ("India")
    Subdivision,     // text: the code of its country ("US", "CH")
    Category,        // text: what kind of thing it is ("animale", "capo d'abbigliamento")
    English,         // text: what the English word means in Italian ("tempo")
};
inline constexpr int NOTE_GROUPS = int(NoteGroup::English) + 1;
std::string_view noteGroupKey(NoteGroup group);

}  // namespace quirvo
