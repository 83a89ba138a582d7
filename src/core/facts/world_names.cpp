#include "core/facts/world_names.h"

#include <algorithm>
#include <array>

#include "core/common/text_encoding.h"

namespace quirvo {

namespace {

std::string firstWord(const std::string& name) { return name.substr(0, name.find(' ')); }

void addCurrencies(const CldrNames& cldr, std::vector<GroupEntry>& out) {
    std::vector<const CldrCurrency*> byUsers;
    for (const auto& [code, currency] : cldr.currencies)
        if (currency.name.find(' ') != std::string::npos) byUsers.push_back(&currency);
    std::stable_sort(byUsers.begin(), byUsers.end(),
                     [](const CldrCurrency* a, const CldrCurrency* b) { return a->users > b->users; });
    for (const CldrCurrency* c : byUsers) {
        const std::string word = firstWord(c->name);
        out.push_back({word, c->users > 0 ? NoteGroup::Currency : NoteGroup::FormerCurrency, c->name, 0});
        if (c->users > 0 && !c->plural.empty() && firstWord(c->plural) != word)
            out.push_back({firstWord(c->plural), NoteGroup::CurrencyPlural, c->name, 0});
    }
}

void addLanguages(const CldrNames& cldr, std::vector<GroupEntry>& out) {
    for (const auto& [code, name] : cldr.languages) {
        const auto home = cldr.languageHomes.find(code);
        if (name.find(' ') != std::string::npos || home == cldr.languageHomes.end()) continue;
        const auto country = cldr.territories.find(home->second);
        if (country != cldr.territories.end()) out.push_back({name, NoteGroup::LanguageName, country->second, 0});
    }
}

// The subdivisions a crossword names by their country; overseas
// territories and federal districts are left out.
constexpr std::array<std::string_view, 5> COUNTRIES{"us", "au", "ch", "de", "ca"};
constexpr std::array<std::string_view, 12> LEFT_OUT{"usdc", "usas", "usgu", "usmp", "uspr", "usum",
                                                     "usvi", "auact", "aunt", "cant", "canu", "cayt"};

void addSubdivisions(const CldrNames& cldr, std::vector<GroupEntry>& out) {
    for (const auto& [code, name] : cldr.subdivisions) {
        const std::string_view country = std::string_view(code).substr(0, 2);
        if (code.size() > 5 || std::find(COUNTRIES.begin(), COUNTRIES.end(), country) == COUNTRIES.end() ||
            std::find(LEFT_OUT.begin(), LEFT_OUT.end(), code) != LEFT_OUT.end())
            continue;
        // The cantons are named "Canton Uri"; the word is URI.
        static constexpr std::string_view CANTON = "Canton ";
        const std::string_view plain = std::string_view(name).substr(name.starts_with(CANTON) ? CANTON.size() : 0);
        out.push_back({std::string(plain), NoteGroup::Subdivision, upperUtf8(country), 0});
    }
}

// The key words of the emoji annotations that say what kind of thing the
// emoji is, the narrower first, with the noun a definition names it by.
constexpr std::array<std::pair<std::string_view, std::string_view>, 13> CATEGORIES{{
    {"uccello", "uccello"},
    {"insetto", "insetto"},
    {"fiore", "fiore"},
    {"frutta", "frutto"},
    {"ortaggio", "ortaggio"},
    {"sport", "sport"},
    {"strumento musicale", "strumento musicale"},
    {"strumento", "strumento"},
    {"abbigliamento", "capo d'abbigliamento"},
    {"veicolo", "veicolo"},
    {"edificio", "edificio"},
    {"animale", "animale"},
    {"cibo", "cibo"},
}};

// The word an emoji names: its name of one word, or of a noun and its
// adjective when the noun is a key word too ("mela rossa": mela); never
// the noun of a longer name ("palla da tennis" is no sport).
std::string annotatedWord(const CldrAnnotation& a) {
    const std::string word = firstWord(a.name);
    if (word == a.name) return word;
    const bool twoWords = a.name.find(' ', word.size() + 1) == std::string::npos;
    const bool keyword = std::find(a.keywords.begin(), a.keywords.end(), word) != a.keywords.end();
    return twoWords && keyword ? word : std::string();
}

void addCategories(const CldrNames& cldr, std::vector<GroupEntry>& out) {
    for (const CldrAnnotation& a : cldr.annotations) {
        const std::string word = annotatedWord(a);
        if (word.empty()) continue;
        for (const auto& [keyword, noun] : CATEGORIES)
            if (keyword != word && std::find(a.keywords.begin(), a.keywords.end(), keyword) != a.keywords.end())
                out.push_back({word, NoteGroup::Category, std::string(noun), 0});
    }
}

}  // namespace

std::vector<GroupEntry> worldNames(const ReadSources& sources) {
    std::vector<GroupEntry> out;
    addCurrencies(sources.cldr, out);
    addLanguages(sources.cldr, out);
    addSubdivisions(sources.cldr, out);
    addCategories(sources.cldr, out);
    for (const EnglishWord& e : sources.english) out.push_back({e.word, NoteGroup::English, e.meaning, 0});
    return out;
}

}  // namespace quirvo
