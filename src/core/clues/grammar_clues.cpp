#include "core/clues/grammar_clues.h"

#include <array>
#include <span>
#include <string>

#include "core/clues/italian_numbers.h"

namespace quirvo {

namespace {

struct Entry {
    std::string_view word, first, second;
};

// Articles, possessives, personal pronouns, simple prepositions, a few
// conjunctions, interjections and the notes of the scale; the articulated
// prepositions are made below from their parts.
constexpr auto WORDS = std::to_array<Entry>({
    {"IL", "Articolo maschile", "Articolo determinativo"},
    {"LO", "Articolo maschile", "Articolo davanti a zeta"},
    {"LA", "Articolo femminile", "Nota musicale"},
    {"GLI", "Articolo maschile plurale", "Articolo determinativo plurale"},
    {"LE", "Articolo femminile plurale", ""},
    {"UN", "Articolo indeterminativo", ""},
    {"UNO", "Articolo indeterminativo", "Il primo numero"},
    {"UNA", "Articolo indeterminativo femminile", ""},
    {"MIO", "Aggettivo possessivo", "Di me"},
    {"MIA", "Aggettivo possessivo", "Di me"},
    {"MIEI", "Aggettivo possessivo", "Di me"},
    {"MIE", "Aggettivo possessivo", "Di me"},
    {"TUO", "Aggettivo possessivo", "Di te"},
    {"TUA", "Aggettivo possessivo", "Di te"},
    {"TUOI", "Aggettivo possessivo", "Di te"},
    {"TUE", "Aggettivo possessivo", "Di te"},
    {"SUO", "Aggettivo possessivo", "Di lui o di lei"},
    {"SUA", "Aggettivo possessivo", "Di lui o di lei"},
    {"SUOI", "Aggettivo possessivo", "Di lui o di lei"},
    {"SUE", "Aggettivo possessivo", "Di lui o di lei"},
    {"NOSTRO", "Aggettivo possessivo", "Di noi"},
    {"NOSTRA", "Aggettivo possessivo", "Di noi"},
    {"NOSTRI", "Aggettivo possessivo", "Di noi"},
    {"NOSTRE", "Aggettivo possessivo", "Di noi"},
    {"VOSTRO", "Aggettivo possessivo", "Di voi"},
    {"VOSTRA", "Aggettivo possessivo", "Di voi"},
    {"VOSTRI", "Aggettivo possessivo", "Di voi"},
    {"VOSTRE", "Aggettivo possessivo", "Di voi"},
    {"IO", "Pronome personale", "Prima persona singolare"},
    {"TU", "Pronome personale", "Seconda persona singolare"},
    {"EGLI", "Pronome personale", "Terza persona singolare"},
    {"ELLA", "Pronome personale", "Lei, nella lingua letteraria"},
    {"LUI", "Pronome personale", "Terza persona singolare"},
    {"LEI", "Pronome personale", "Si dà per cortesia"},
    {"NOI", "Pronome personale", "Prima persona plurale"},
    {"VOI", "Pronome personale", "Seconda persona plurale"},
    {"ESSI", "Pronome personale", "Terza persona plurale"},
    {"ESSE", "Pronome personale femminile", "Terza persona plurale"},
    {"LORO", "Pronome personale", "Di loro"},
    {"ME", "Pronome personale", ""},
    {"DI", "Preposizione semplice", ""},
    {"DA", "Preposizione semplice", ""},
    {"IN", "Preposizione semplice", ""},
    {"CON", "Preposizione semplice", ""},
    {"SU", "Preposizione semplice", ""},
    {"PER", "Preposizione semplice", ""},
    {"TRA", "Preposizione semplice", "Lo stesso che fra"},
    {"FRA", "Preposizione semplice", "Lo stesso che tra"},
    {"MA", "Congiunzione avversativa", "Però"},
    {"SE", "Congiunzione condizionale", ""},
    {"NO", "Negazione", "Il contrario di sì"},
    {"DO", "Nota musicale", "La prima nota"},
    {"RE", "Nota musicale", ""},
    {"MI", "Nota musicale", ""},
    {"FA", "Nota musicale", ""},
    {"SOL", "Nota musicale", ""},
    {"SI", "Nota musicale", "L'ultima nota"},
    {"CUI", "Pronome relativo", ""},
    {"AH", "Esclamazione", "Interiezione"},
    {"EH", "Esclamazione", "Interiezione"},
    {"OH", "Esclamazione di meraviglia", "Interiezione"},
    {"OHE", "Esclamazione di richiamo", "Interiezione"},
    {"EHI", "Esclamazione di richiamo", ""},
    {"AHI", "Esclamazione di dolore", ""},
    {"AHIME", "Esclamazione di dolore", ""},
    {"OHIME", "Esclamazione di dolore", ""},
    {"UFF", "Esclamazione di noia", ""},
    {"BAH", "Esclamazione di dubbio", ""},
    {"MAH", "Esclamazione di dubbio", ""},
    {"BOH", "Esclamazione di chi non sa", ""},
    {"OIBO", "Esclamazione di disgusto", ""},
    {"UH", "Esclamazione di stupore", "Interiezione"},
    {"UHM", "Esclamazione di dubbio", ""},
    {"GLIENE", "Gli e ne in una parola", "Ne dà a lui"},
    {"ECCOCI", "Siamo qui!", "Ecco noi"},
    {"IOSA", "A ... in abbondanza", ""},
});

// The months, the days of the week and the seasons.
constexpr auto CALENDAR = std::to_array<Entry>({
    {"GENNAIO", "Il primo mese dell'anno", "Mese invernale"},
    {"FEBBRAIO", "Il mese più corto", "Il secondo mese"},
    {"MARZO", "Il terzo mese", "Vi comincia la primavera"},
    {"APRILE", "Il quarto mese", "Mese primaverile"},
    {"MAGGIO", "Il quinto mese", "Il mese delle rose"},
    {"GIUGNO", "Il sesto mese", "Vi comincia l'estate"},
    {"LUGLIO", "Il settimo mese", "Mese estivo"},
    {"AGOSTO", "L'ottavo mese", "Il mese di Ferragosto"},
    {"SETTEMBRE", "Il nono mese", "Vi comincia l'autunno"},
    {"OTTOBRE", "Il decimo mese", "Mese autunnale"},
    {"NOVEMBRE", "L'undicesimo mese", "Il mese dei Santi"},
    {"DICEMBRE", "L'ultimo mese dell'anno", "Il mese di Natale"},
    {"LUNEDI", "Il primo giorno della settimana", ""},
    {"MARTEDI", "Il secondo giorno della settimana", ""},
    {"MERCOLEDI", "Il terzo giorno della settimana", ""},
    {"GIOVEDI", "Il quarto giorno della settimana", ""},
    {"VENERDI", "Il quinto giorno della settimana", ""},
    {"SABATO", "Il sesto giorno della settimana", "Precede la domenica"},
    {"DOMENICA", "Il giorno festivo", "L'ultimo giorno della settimana"},
    {"PRIMAVERA", "La stagione dei fiori", ""},
    {"ESTATE", "La stagione più calda", ""},
    {"AUTUNNO", "La stagione della vendemmia", ""},
    {"INVERNO", "La stagione più fredda", ""},
});

struct Part {
    std::string_view folded, written;
};
constexpr std::array<Part, 5> PREPOSITIONS{{{"A", "a"}, {"DA", "da"}, {"DE", "di"}, {"NE", "in"}, {"SU", "su"}}};
constexpr std::array<Part, 6> ARTICLES{{{"L", "il"}, {"LLO", "lo"}, {"LLA", "la"}, {"I", "i"}, {"GLI", "gli"}, {"LLE", "le"}}};

// ALLA is a + la, DEI di + i, NEGLI in + gli, COL con + il.
std::string articulated(std::string_view entry) {
    if (entry == "COL") return "Con + il";
    if (entry == "COI") return "Con + i";
    for (const Part& p : PREPOSITIONS)
        for (const Part& a : ARTICLES) {
            if (std::string(p.folded) + std::string(a.folded) == entry) {
                std::string text(p.written);
                text[0] = char(text[0] - 'a' + 'A');
                return text + " + " + std::string(a.written);
            }
        }
    return {};
}

}  // namespace

std::vector<Suggestion> grammarClues(std::string_view entry) {
    std::vector<Suggestion> out;
    auto add = [&](std::string_view text) {
        if (!text.empty()) out.push_back({SuggestionKind::Lemma, std::string(text), {}});
    };
    auto addListed = [&](std::span<const Entry> list) {
        for (const Entry& e : list)
            if (e.word == entry) {
                add(e.first);
                add(e.second);
            }
    };
    addListed(WORDS);
    addListed(CALENDAR);
    if (const std::string parts = articulated(entry); !parts.empty()) {
        add("Preposizione articolata");
        add(parts);
    }
    if (const std::optional<int> n = numberSpelled(entry)) {
        if (*n <= MAX_ROMAN) add(romanNumeral(*n) + " per i Romani");
        add("Il numero " + std::to_string(*n));
    }
    return out;
}

}  // namespace quirvo
