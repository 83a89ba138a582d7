#include "core/clues/famous_names.h"

#include <array>

namespace quirvo {

namespace {

constexpr std::array<std::string_view, 150> NAMES{
    "Dante Alighieri",        "Giuseppe Verdi",          "Alessandro Manzoni",     "Giacomo Leopardi",
    "Giuseppe Garibaldi",     "Galileo Galilei",         "Leonardo da Vinci",      "Cristoforo Colombo",
    "Marco Polo",             "Giulio Cesare",           "Francesco Petrarca",     "Giovanni Boccaccio",
    "Niccolò Machiavelli",    "Michelangelo Buonarroti", "Raffaello Sanzio",       "Sandro Botticelli",
    "Giacomo Puccini",        "Gioachino Rossini",       "Antonio Vivaldi",        "Luciano Pavarotti",
    "Enrico Fermi",           "Guglielmo Marconi",       "Alessandro Volta",       "Federico Fellini",
    "Sophia Loren",           "Marcello Mastroianni",    "Alberto Sordi",          "Anna Magnani",
    "Vittorio Gassman",       "Ugo Tognazzi",            "Nino Manfredi",          "Monica Vitti",
    "Claudia Cardinale",      "Gina Lollobrigida",       "Roberto Benigni",        "Nanni Moretti",
    "Sergio Leone",           "Ennio Morricone",         "Luchino Visconti",       "Roberto Rossellini",
    "Vittorio De Sica",       "Pier Paolo Pasolini",     "Bernardo Bertolucci",    "Dario Fo",
    "Italo Calvino",          "Umberto Eco",             "Primo Levi",             "Cesare Pavese",
    "Eugenio Montale",        "Luigi Pirandello",        "Giovanni Verga",         "Ugo Foscolo",
    "Carlo Goldoni",          "Ludovico Ariosto",        "Torquato Tasso",         "Giosuè Carducci",
    "Giovanni Pascoli",       "Salvatore Quasimodo",     "Giuseppe Ungaretti",     "Alberto Moravia",
    "Leonardo Sciascia",      "Natalia Ginzburg",        "Elsa Morante",           "Alda Merini",
    "Grazia Deledda",         "Carlo Collodi",           "Gianni Rodari",          "Emilio Salgari",
    "Edmondo De Amicis",      "Andrea Camilleri",        "Umberto Saba",           "Oriana Fallaci",
    "Indro Montanelli",       "Enzo Biagi",              "Giuseppe Mazzini",       "Camillo Cavour",
    "Sandro Pertini",         "Aldo Moro",               "Enrico Berlinguer",      "Alcide De Gasperi",
    "Giovanni Falcone",       "Paolo Borsellino",        "Maria Montessori",       "Rita Levi Montalcini",
    "Amedeo Modigliani",      "Giorgio Morandi",         "Antonio Canova",         "Gian Lorenzo Bernini",
    "Filippo Brunelleschi",   "Andrea Palladio",         "Tiziano Vecellio",       "Giotto di Bondone",
    "Enrico Caruso",          "Maria Callas",            "Vincenzo Bellini",       "Gaetano Donizetti",
    "Pietro Mascagni",        "Claudio Monteverdi",      "Niccolò Paganini",       "Arturo Toscanini",
    "Domenico Modugno",       "Lucio Dalla",             "Lucio Battisti",         "Fabrizio De André",
    "Adriano Celentano",      "Gianni Morandi",          "Vasco Rossi",            "Laura Pausini",
    "Andrea Bocelli",         "Raffaella Carrà",         "Mike Bongiorno",         "Pippo Baudo",
    "Enzo Ferrari",           "Tazio Nuvolari",          "Fausto Coppi",           "Gino Bartali",
    "Valentino Rossi",        "Alberto Tomba",           "Roberto Baggio",         "Dino Zoff",
    "Paolo Rossi",            "Giorgio Armani",          "Gianni Versace",         "Giovanni Agnelli",
    "Amerigo Vespucci",       "Giacomo Casanova",        "Albert Einstein",        "Isaac Newton",
    "Charles Darwin",         "William Shakespeare",     "Victor Hugo",            "Pablo Picasso",
    "Vincent van Gogh",       "Napoleone Bonaparte",     "Ludwig van Beethoven",   "Wolfgang Amadeus Mozart",
    "Johann Sebastian Bach",  "Charlie Chaplin",         "Marilyn Monroe",         "Walt Disney",
    "Elvis Presley",          "John Lennon",             "Karl Marx",              "Sigmund Freud",
    "Martin Luther King",     "Nelson Mandela",          "Mahatma Gandhi",         "Winston Churchill",
    "Abraham Lincoln",        "John Fitzgerald Kennedy",
};

}  // namespace

std::span<const std::string_view> famousNames() { return NAMES; }

}  // namespace quirvo
