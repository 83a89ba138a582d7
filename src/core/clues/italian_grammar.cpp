#include "core/clues/italian_grammar.h"

#include <algorithm>
#include <array>

#include "core/common/text_encoding.h"

namespace quirvo {

namespace {

bool vowel(char32_t c) { return std::u32string_view(U"aeiouàèéìíòóùú").find(c) != std::u32string_view::npos; }

enum class Onset { Vowel, Impure, Plain };

// Impure onsets take "lo" and "gli": s and a consonant, z, gn, ps, pn, x,
// y, and i before a vowel (lo iato); a mute h counts as the vowel after it.
Onset onsetOf(std::string_view word) {
    const std::u32string w = decodeUtf8(lowerUtf8(word));
    if (w.empty()) return Onset::Plain;
    const char32_t a = w[0], b = w.size() > 1 ? w[1] : U'\0';
    if (a == U'i' && vowel(b)) return Onset::Impure;
    if (vowel(a) || (a == U'h' && vowel(b))) return Onset::Vowel;
    if ((a == U's' && b != U'\0' && !vowel(b)) || a == U'z' || a == U'x' || a == U'y') return Onset::Impure;
    if ((a == U'g' && b == U'n') || (a == U'p' && (b == U's' || b == U'n'))) return Onset::Impure;
    return Onset::Plain;
}

// The article's index in the table below.
int articleOf(std::string_view word, NounForm form) {
    const Onset onset = onsetOf(word);
    if (form.feminine) return form.plural ? 6 : onset == Onset::Vowel ? 2 : 3;
    if (form.plural) return onset == Onset::Plain ? 4 : 5;
    return onset == Onset::Vowel ? 2 : onset == Onset::Impure ? 1 : 0;
}

constexpr std::array<std::string_view, 7> ARTICLES{"il ", "lo ", "l'", "la ", "i ", "gli ", "le "};
constexpr std::array<std::string_view, 7> OF_THE{"del ", "dello ", "dell'", "della ", "dei ", "degli ", "delle "};

struct Named {
    std::string_view name;
    std::optional<NounForm> form;
};

constexpr NounForm MASCULINE{false, false}, FEMININE{true, false}, MASCULINE_PLURAL{false, true},
    FEMININE_PLURAL{true, true};

// Countries whose article the ending does not tell.
const auto COUNTRIES = std::to_array<Named>({
    {"Andorra", {}},          {"Antigua e Barbuda", {}}, {"Bahamas", FEMININE_PLURAL},
    {"Bahrein", {}},          {"Barbados", {}},          {"Botswana", MASCULINE},  {"Burkina Faso", MASCULINE},
    {"Canada", MASCULINE},    {"Capo Verde", {}},        {"Cipro", {}},
    {"Comore", FEMININE_PLURAL}, {"Cuba", {}},           {"Dominica", {}},
    {"Figi", FEMININE_PLURAL}, {"Filippine", FEMININE_PLURAL}, {"Ghana", MASCULINE},
    {"Gibuti", {}},           {"Grenada", {}},           {"Guatemala", MASCULINE},
    {"Haiti", {}},            {"Hong Kong", {}},         {"Israele", {}},
    {"Kenya", MASCULINE},     {"Kiribati", {}},          {"Macao", {}},
    {"Maldive", FEMININE_PLURAL}, {"Malta", {}},         {"Mauritius", {}},
    {"Monaco", {}},           {"Nauru", {}},             {"Nicaragua", MASCULINE},
    {"Uganda", MASCULINE},    {"Palau", {}},             {"Panama", MASCULINE},
    {"Porto Rico", {}},       {"Ruanda", MASCULINE},     {"Samoa", {}},
    {"San Marino", {}},       {"Santa Lucia", {}},       {"Seychelles", FEMININE_PLURAL},
    {"Singapore", {}},        {"Timor Est", {}},         {"Taiwan", {}},
    {"Tonga", {}},            {"Tuvalu", {}},
    // Territories and the masculine names in -a.
    {"Anguilla", {}},         {"Aruba", {}},             {"Bermuda", FEMININE_PLURAL},
    {"Ceuta e Melilla", {}},  {"Città del Vaticano", FEMININE}, {"Curaçao", {}},
    {"Diego Garcia", {}},     {"El Salvador", {}},       {"Gambia", MASCULINE},
    {"Gibilterra", {}},       {"Guam", {}},              {"Guernsey", {}},
    {"Jersey", {}},           {"Mayotte", {}},           {"Montserrat", {}},
    {"Niue", {}},             {"Portorico", {}},         {"RAS di Hong Kong", FEMININE},
    {"RAS di Macao", FEMININE}, {"Riunione", FEMININE},  {"Samoa americane", FEMININE_PLURAL},
    {"Sant’Elena", {}},       {"Sudafrica", MASCULINE},  {"Svalbard e Jan Mayen", {}},
    {"Tokelau", {}},          {"Trinidad e Tobago", {}}, {"Tristan da Cunha", {}},
    {"Venezuela", MASCULINE}, {"Wallis e Futuna", {}},   {"Zambia", MASCULINE},
});

std::string_view firstWord(std::string_view text) { return text.substr(0, text.find_first_of(" -'")); }

}  // namespace

std::string definiteArticle(std::string_view word, NounForm form) {
    return std::string(ARTICLES[size_t(articleOf(word, form))]);
}

std::string ofThe(std::string_view word, NounForm form) { return std::string(OF_THE[size_t(articleOf(word, form))]); }

std::string ofPlace(std::string_view name) {
    struct Own {
        std::string_view article, joined;
    };
    static constexpr std::array<Own, 5> OWN{{{"La ", "della "}, {"L'", "dell'"}, {"Il ", "del "}, {"Lo ", "dello "},
                                              {"Le ", "delle "}}};
    for (const Own& own : OWN)
        if (name.starts_with(own.article)) return std::string(own.joined) + std::string(name.substr(own.article.size()));
    return "di " + std::string(name);
}

std::optional<NounForm> nounFormOfTag(std::string_view tag) {
    if (tag.starts_with("(s.f.")) return NounForm{true, tag.starts_with("(s.f.pl")};
    if (tag.starts_with("(s.m.")) return NounForm{false, tag.starts_with("(s.m.pl")};
    return std::nullopt;
}

std::optional<NounForm> countryForm(std::string_view country) {
    for (const Named& n : COUNTRIES)
        if (n.name == country) return n.form;
    const std::string_view head = firstWord(country);
    if (head == "Saint" || head == "Sint" || head == "São") return std::nullopt;
    if (head == "Isole" || head == "Terre" || head == "Nazioni" || head == "Altre") return FEMININE_PLURAL;
    if (head == "Stati" || head == "Paesi" || head == "Emirati" || head == "Territori" || head == "Caraibi")
        return MASCULINE_PLURAL;
    return head.ends_with('a') ? FEMININE : MASCULINE;
}

NounForm regionForm(std::string_view region) {
    if (region == "Marche") return FEMININE_PLURAL;
    const std::string_view head = firstWord(region);
    return head.ends_with('a') || head == "Valle" ? FEMININE : MASCULINE;
}

std::string ofCountry(std::string_view country) {
    const std::optional<NounForm> form = countryForm(country);
    return (form ? ofThe(country, *form) : std::string("di ")) + std::string(country);
}

std::string ofRegion(std::string_view region) { return ofThe(region, regionForm(region)) + std::string(region); }

std::string capitalised(std::string_view utf8) {
    const std::u32string text = decodeUtf8(utf8);
    if (text.empty()) return {};
    return upperUtf8(encodeUtf8(text.substr(0, 1))) + encodeUtf8(std::u32string_view(text).substr(1));
}

}  // namespace quirvo
