#include "core/clues/meaning_clues.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/clues/inflection.h"
#include "core/clues/italian_grammar.h"
#include "core/clues/italian_numbers.h"
#include "core/dictionary/word_folding.h"

namespace quirvo {

namespace {

constexpr NounForm MASCULINE{false, false};

class Clues {
public:
    explicit Clues(SuggestionKind kind) : kind_(kind) {}
    void add(std::string text) {
        if (std::none_of(out_.begin(), out_.end(), [&](const Suggestion& s) { return s.text == text; }))
            out_.push_back({kind_, std::move(text), {}});
    }
    std::vector<Suggestion> take() { return std::move(out_); }

private:
    SuggestionKind kind_;
    std::vector<Suggestion> out_;
};

void addRoman(Clues& clues, std::string_view entry) {
    if (entry.size() > 4) return;
    const std::optional<int> value = romanValue(entry);
    if (!value) return;
    const std::string number = capitalised(italianNumber(*value));
    clues.add(number + (*value == 1 ? " romano" : " romani"));
    clues.add(number + " in cifre romane");
}

void addVerbForm(Clues& clues, std::string_view entry, KindSet kinds, const std::string& verb) {
    const char last = entry.back();
    if (hasKind(kinds, WordKind::PastParticiple)) {
        if (last == 'O') {
            clues.add("Participio di " + verb);
            clues.add("Participio passato di " + verb);
        }
        if (last == 'A') clues.add("Participio femminile di " + verb);
        if (last == 'I') clues.add("Participio plurale di " + verb);
        if (last == 'E') clues.add("Participio femminile plurale di " + verb);
    } else if (hasKind(kinds, WordKind::PresentParticiple)) {
        if (last == 'E') clues.add("Participio presente di " + verb);
        if (last == 'I') clues.add("Participio presente plurale di " + verb);
    } else if (hasKind(kinds, WordKind::Gerund)) {
        clues.add("Gerundio di " + verb);
    } else if (hasKind(kinds, WordKind::FiniteVerb)) {
        clues.add("Voce del verbo " + verb);
    }
}

// The place's group, when the word facts know the word as a place.
std::optional<NoteGroup> placeGroup(const std::vector<FactNote>& notes) {
    for (const FactNote& note : notes)
        switch (note.group) {
            case NoteGroup::Town:
            case NoteGroup::Province:
            case NoteGroup::Region:
            case NoteGroup::Country:
            case NoteGroup::Capital: return note.group;
            default: break;
        }
    return std::nullopt;
}

// The places a word of a place may come from: CUNEESE from CUNEO,
// FRANCESE from FRANCIA, TOSCANO from TOSCANA, CAIROTA from CAIRO, ERITREO
// from ERITREA.
std::vector<std::string> placeCandidates(std::string_view word) {
    static constexpr std::array<std::string_view, 11> SUFFIXES{"ESE", "ESI", "ANO", "ANA", "ANI", "ANE",
                                                               "INO", "INA", "OTA", "EO",  "EA"};
    std::vector<std::string> out;
    for (std::string_view suffix : SUFFIXES) {
        if (word.size() < suffix.size() + 2 || !word.ends_with(suffix)) continue;
        const std::string stem(word.substr(0, word.size() - suffix.size()));
        for (std::string_view ending : {"O", "A", "E", "I", "IA", ""}) out.push_back(stem + std::string(ending));
        out.push_back(std::string(word.substr(0, word.size() - 1)) + "A");
    }
    return out;
}

// Whether the entry is its one-word meaning cut short (ECC: eccetera, SIG:
// signore) rather than initials (SMS: messaggio breve di testo, PC: per
// conoscenza).
bool shortens(std::string_view entry, std::string_view meaning) {
    if (entry.empty() || meaning.empty() || meaning.find(' ') != std::string_view::npos ||
        entry[0] != std::toupper(static_cast<unsigned char>(meaning[0]))) return false;
    size_t at = 0;
    for (char c : meaning)
        if (at < entry.size() && std::toupper(static_cast<unsigned char>(c)) == entry[at]) ++at;
    return at == entry.size();
}

constexpr KindSet VERB_FORMS = kindBit(WordKind::PastParticiple) | kindBit(WordKind::PresentParticiple) |
                               kindBit(WordKind::Gerund) | kindBit(WordKind::FiniteVerb);

void addSigla(Clues& clues, std::string_view entry, const FactNote& note) {
    const std::string& text = note.text;
    switch (note.group) {
        case NoteGroup::ProvinceCode:
            clues.add("Sigla " + ofPlace(text));
            clues.add("Targa " + ofPlace(text));
            break;
        case NoteGroup::CountryCode:
            clues.add("Sigla " + ofCountry(text));
            clues.add("Sigla internazionale " + ofCountry(text));
            break;
        case NoteGroup::Element:
            clues.add("Simbolo " + ofThe(text, MASCULINE) + text);
            clues.add("Simbolo chimico " + ofThe(text, MASCULINE) + text);
            break;
        case NoteGroup::Abbreviation:
            if (shortens(entry, text)) {
                clues.add("Abbreviazione di " + text);
                clues.add(capitalised(text) + " in breve");
            } else {
                clues.add(capitalised(text) + ", in sigla");
            }
            break;
        default: break;
    }
}

}  // namespace

std::vector<Suggestion> siglaClues(std::string_view entry, const std::vector<FactNote>& notes) {
    Clues clues(SuggestionKind::Sigla);
    // What an abbreviation stands for is what readers know it by: KM is
    // the kilometre before it is the Comoros.
    for (const FactNote& note : notes)
        if (note.group == NoteGroup::Abbreviation) addSigla(clues, entry, note);
    for (const FactNote& note : notes)
        if (note.group != NoteGroup::Abbreviation) addSigla(clues, entry, note);
    addRoman(clues, entry);
    // The language codes come last: few setters would clue III by Sichuan Yi.
    for (const FactNote& note : notes)
        if (note.group == NoteGroup::LanguageCode) clues.add("Sigla " + ofThe(note.text, MASCULINE) + note.text);
    return clues.take();
}

std::vector<Suggestion> nameClues(std::string_view entry, const std::vector<FactNote>& notes) {
    Clues clues(SuggestionKind::Name);
    for (const FactNote& note : notes) {
        const std::string& text = note.text;
        switch (note.group) {
            case NoteGroup::ElementName:
                clues.add("Elemento chimico di simbolo " + text);
                clues.add("Ha per simbolo " + text);
                break;
            case NoteGroup::Town:
                if (foldWord(text) != std::string(entry)) clues.add("Comune in provincia " + ofPlace(text));
                break;
            case NoteGroup::Province: clues.add("Provincia " + ofRegion(text)); break;
            case NoteGroup::Region:
                clues.add("Regione con capoluogo " + text);
                clues.add("Regione italiana");
                break;
            case NoteGroup::Country:
                clues.add("Stato con capitale " + text);
                clues.add("Ha per capitale " + text);
                break;
            case NoteGroup::Capital: clues.add("Capitale " + ofCountry(text)); break;
            case NoteGroup::MaleName:
                clues.add("Nome maschile");
                clues.add("Nome di uomo");
                break;
            case NoteGroup::FemaleName:
                clues.add("Nome femminile");
                clues.add("Nome di donna");
                break;
            case NoteGroup::Surname: clues.add("Cognome italiano"); break;
            default: break;
        }
    }
    return clues.take();
}

std::vector<Suggestion> placeClues(std::string_view entry, const WordFacts& facts, const WrittenForms& written) {
    Clues clues(SuggestionKind::Name);
    if (placeGroup(facts.notes(entry))) return clues.take();
    for (const std::string& base : placeCandidates(entry)) {
        const std::optional<NoteGroup> group = placeGroup(facts.notes(base));
        if (!group) continue;
        const std::string place = written.name(base);
        if (*group == NoteGroup::Country) clues.add(capitalised(ofCountry(place)));
        else if (*group == NoteGroup::Region) clues.add(capitalised(ofRegion(place)));
        else clues.add(capitalised(ofPlace(place)));
        break;
    }
    return clues.take();
}

std::vector<Suggestion> lemmaClues(std::string_view entry, KindSet kinds, std::string_view lemma,
                                   const WrittenForms& written) {
    Clues clues(SuggestionKind::Lemma);
    if (lemma.empty() || lemma == entry || entry.empty()) return clues.take();
    const std::string base = written.word(lemma);
    if (looksInfinitive(lemma) && (kinds & VERB_FORMS)) {
        addVerbForm(clues, entry, kinds, base);
        return clues.take();
    }
    switch (nounInflection(entry, lemma)) {
        case NounInflection::Feminine: clues.add("Femminile di " + base); break;
        case NounInflection::Plural: clues.add("Plurale di " + base); break;
        case NounInflection::FemininePlural: clues.add("Femminile plurale di " + base); break;
        default: break;
    }
    return clues.take();
}

}  // namespace quirvo
