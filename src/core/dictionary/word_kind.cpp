#include "core/dictionary/word_kind.h"

#include <array>
#include <bit>

namespace quirvo {

namespace {

constexpr std::array<std::string_view, WORD_KINDS> KIND_KEYS{
    "noun",       "infinitive", "past_participle", "present_participle", "name",
    "other_word", "function_word", "sigla",        "roman",              "gerund",
    "finite_verb", "verb_with_pronouns", "truncated", "unknown",
};

constexpr std::array<std::string_view, WORD_KINDS> KIND_NAMES{
    "nome o aggettivo", "infinito",      "participio passato", "participio presente", "nome proprio",
    "parola",           "parola grammaticale", "sigla",       "numero romano",       "gerundio",
    "verbo coniugato",  "verbo con pronomi", "forma tronca",  "sconosciuta",
};

constexpr std::array<std::string_view, FACT_SOURCES> SOURCE_KEYS{
    "word_list", "hunspell", "morph_it", "frequency", "places", "people", "sigle", "grammar",
};

constexpr std::array<std::string_view, NOTE_GROUPS> GROUP_KEYS{
    "town",          "province",     "region",        "country", "capital",      "male_name",  "female_name",
    "surname",       "province_code", "country_code", "language_code", "element", "abbreviation",
    "element_name",  "currency",   "currency_plural", "former_currency", "language_name", "subdivision",
    "category",      "english",
};

}  // namespace

WordKind bestKind(KindSet kinds) {
    kinds &= ALL_KINDS;
    return kinds ? WordKind(std::countr_zero(unsigned(kinds))) : WordKind::Unknown;
}

std::string_view kindKey(WordKind kind) { return KIND_KEYS[size_t(kind)]; }
std::string_view kindName(WordKind kind) { return KIND_NAMES[size_t(kind)]; }
std::string_view sourceKey(FactSource source) { return SOURCE_KEYS[size_t(source)]; }
std::string_view noteGroupKey(NoteGroup group) { return GROUP_KEYS[size_t(group)]; }

}  // namespace quirvo
