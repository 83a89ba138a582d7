#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quirvo {

// How a noun takes its article.
struct NounForm {
    bool feminine = false;
    bool plural = false;
    friend bool operator==(const NounForm&, const NounForm&) = default;
};

// The definite article before a word, elided where Italian elides it:
// "il ", "lo ", "l'", "la ", "i ", "gli ", "le ". The word is written as
// Italian writes it (UTF-8, any case).
std::string definiteArticle(std::string_view word, NounForm form);

// "di" joined to the article: "del ", "dello ", "dell'", "della ", "dei ",
// "degli ", "delle ".
std::string ofThe(std::string_view word, NounForm form);

// "di" before a place name: "di Roma", "della Spezia" and "dell'Aquila"
// for names that begin with their own article.
std::string ofPlace(std::string_view name);

// "di" before a country and a region with the article each takes: "della
// Francia", "di Cuba", "degli Stati Uniti", "del Piemonte", "delle Marche".
std::string ofCountry(std::string_view country);
std::string ofRegion(std::string_view region);

// The form of a noun from the thesaurus's tag ("(s.f.)", "(s.m.pl.)"),
// none for a tag that is not a noun's.
std::optional<NounForm> nounFormOfTag(std::string_view tag);

// A country's article as Italian uses it: none for Cuba, Malta, Israele
// and the like, plural for Stati Uniti or Filippine.
std::optional<NounForm> countryForm(std::string_view country);

// A region's: Marche is plural; Valle d'Aosta and the names ending in -a
// are feminine, the rest masculine (Friuli-Venezia Giulia by Friuli).
NounForm regionForm(std::string_view region);

// The text with its first letter in upper case.
std::string capitalised(std::string_view utf8);

}  // namespace quirvo
