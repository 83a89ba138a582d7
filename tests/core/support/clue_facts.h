#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "core/dictionary/facts_file.h"

namespace quirvo::testing {

// Word facts for the definition suggestions: familiar words that lend
// their letters, sigle, names and inflected forms with their lemmas, as
// parole.fatti would hold them; made for base.diz, whose words are words().
class ClueFacts {
public:
    ClueFacts() {
        writer_.addDictionary("base.diz");
        word("CASA", WordKind::Noun, 95, "CASA");
        word("CASE", WordKind::Noun, 85, "CASA");
        word("COSA", WordKind::Noun, 95, "COSA");
        word("BOOM", WordKind::Noun, 70, "BOOM");
        word("ROMA", WordKind::Name, 90);
        word("CAPPA", WordKind::Noun, 40, "CAPPA");  // too rare to lend its letters
        word("SEDE", WordKind::Noun, 80, "SEDE");
        word("MERDA", WordKind::Noun, 80, "MERDA");  // never lends its letters
        word("PESCATORE", WordKind::Noun, 50, "PESCATORE");
        word("PESCATRICE", WordKind::Noun, 40, "PESCATORE");
        word("ABITAZIONE", WordKind::Noun, 70, "ABITAZIONE");
        word("ABITAZIONI", WordKind::Noun, 60, "ABITAZIONE");
        word("DIMORA", WordKind::Noun, 65, "DIMORA");
        word("DIMORE", WordKind::Noun, 55, "DIMORA");
        word("ESEDRA", WordKind::Noun, 20, "ESEDRA");
        word("ESEDRE", WordKind::Noun, 15, "ESEDRA");
        word("NOTAIO", WordKind::Noun, 50, "NOTAIO");
        word("NOTAIA", WordKind::Noun, 40, "NOTAIO");
        word("AMARE", WordKind::Infinitive, 80, "AMARE");
        word("AMATO", WordKind::PastParticiple, 70, "AMARE");
        word("RM", WordKind::Sigla, 50);
        note("RM", NoteGroup::ProvinceCode, "Roma");
        word("SP", WordKind::Sigla, 40);
        note("SP", NoteGroup::ProvinceCode, "La Spezia");
        word("FE", WordKind::Sigla, 40);
        note("FE", NoteGroup::Element, "ferro");
        note("FE", NoteGroup::ProvinceCode, "Ferrara");
        word("ZN", WordKind::Sigla, 30);
        note("ZN", NoteGroup::Element, "zinco");
        word("IT", WordKind::Sigla, 60);
        note("IT", NoteGroup::CountryCode, "Italia");
        word("USA", WordKind::Sigla, 60);
        note("USA", NoteGroup::CountryCode, "Stati Uniti");
        word("ECC", WordKind::Sigla, 60);
        note("ECC", NoteGroup::Abbreviation, "eccetera");
        word("XL", WordKind::Roman, 30);
        word("VIGEVANO", WordKind::Name, 40);
        note("VIGEVANO", NoteGroup::Town, "Pavia");
        word("PIEMONTE", WordKind::Name, 60);
        note("PIEMONTE", NoteGroup::Region, "Torino");
        word("MARIA", WordKind::Name, 80);
        note("MARIA", NoteGroup::FemaleName, "");
        word("PARIGI", WordKind::Name, 70);
        note("PARIGI", NoteGroup::Capital, "Francia");
        word("CUNEO", WordKind::Name, 60);
        note("CUNEO", NoteGroup::Town, "Cuneo");
        word("SIRIA", WordKind::Name, 60);
        note("SIRIA", NoteGroup::Country, "Damasco");
        word("ACINETICO", WordKind::Noun, 10, "ACINETICO");
        word("YEMEN", WordKind::Name, 60);
        note("YEMEN", NoteGroup::Country, "Sana'a");
        word("TRA", WordKind::FunctionWord, 90, "TRA");
        word("TRE", WordKind::Noun, 90);  // TRA, its guessed lemma, does not inflect
        word("ESSO", WordKind::FunctionWord, 60, "ESSO");
        word("NESSUNA", WordKind::FunctionWord, 70, "NESSUNO");
        word("FALSO", WordKind::Noun, 70, "FALSO");
        word("FALSI", WordKind::Noun, 60, "FALSO");
        word("IPOCRITA", WordKind::Noun, 50, "IPOCRITA");
        word("IPOCRITE", WordKind::Noun, 40, "IPOCRITA");
        word("IPOCRITI", WordKind::Noun, 40, "IPOCRITA");
        word("ESSA", WordKind::FunctionWord, 60);  // ESSO, its guessed lemma, inflects as a word of grammar
        word("LA", WordKind::Noun, 95);
        word("DALLA", kindBit(WordKind::Noun) | kindBit(WordKind::FunctionWord), 95);  // lends no letters
        word("FONDO", WordKind::Noun, 80, "FONDO");
        formedWords();
        note("SPEZIA", NoteGroup::Town, "La Spezia");
        note("EMILIA", NoteGroup::Town, "Reggio Emilia");  // only for its multi-word province
    }

    std::string bytes() const { return writer_.encode(); }
    // The words of base.diz, sorted as a dictionary is.
    std::vector<std::string> words() const {
        std::vector<std::string> out = words_;
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    // Words made from others, and words that only look made (MATTINO is
    // more familiar than matto, TEINA's stem is too short).
    void formedWords() {
        word("NODULO", WordKind::Noun, 25, "NODULO");
        word("NODULINO", WordKind::Noun, 10, "NODULINO");
        word("CASETTE", WordKind::Noun, 10, "CASETTA");
        word("MATTO", WordKind::Noun, 60, "MATTO");
        word("MATTINO", WordKind::Noun, 75, "MATTINO");
        word("TEA", WordKind::Noun, 20, "TEA");
        word("TEINA", WordKind::Noun, 10, "TEINA");
        word("NOTABILE", WordKind::Noun, 34, "NOTABILE");
        word("NOTABILITA", WordKind::OtherWord, 10, "NOTABILITA");
        word("LENTO", WordKind::Noun, 70, "LENTO");
        word("LENTAMENTE", WordKind::OtherWord, 50, "LENTAMENTE");
        word("CELEBRE", WordKind::Noun, 70, "CELEBRE");
        word("CELEBERRIMA", WordKind::Noun, 10, "CELEBERRIMO");
        word("GEOLOGIA", WordKind::Noun, 43, "GEOLOGIA");
        word("GEOLOGA", WordKind::Noun, 20, "GEOLOGO");
        word("STENDERE", WordKind::Infinitive, 37, "STENDERE");
        word("STENDITOIO", WordKind::Noun, 10, "STENDITOIO");
        word("ANNONA", WordKind::Noun, 25, "ANNONA");
        word("ANNONARIO", WordKind::Noun, 10, "ANNONARIO");
        word("INTERRARE", WordKind::Infinitive, 10, "INTERRARE");
        word("RINTERRARE", WordKind::Infinitive, 10, "RINTERRARE");
        word("ARENARE", WordKind::Infinitive, 10, "ARENARE");
        word("ARENATO", kindBit(WordKind::Noun) | kindBit(WordKind::PastParticiple), 10, "ARENATO");
        word("TRAINARE", WordKind::Infinitive, 20, "TRAINARE");
        word("TRAINANTE", kindBit(WordKind::Noun) | kindBit(WordKind::PresentParticiple), 20, "TRAINANTE");
        word("APRILE", WordKind::Noun, 97, "APRILE");
        word("SEIMILAUNO", WordKind::Noun, 10);
        word("III", WordKind::Roman, 40);
        note("III", NoteGroup::LanguageCode, "sichuan yi");
        word("CIV", WordKind::Sigla, 30);
        note("CIV", NoteGroup::CountryCode, "Costa d\u2019Avorio");
        word("SMS", WordKind::Sigla, 60);
        note("SMS", NoteGroup::Abbreviation, "messaggio breve di testo");
        word("KM", WordKind::Sigla, 50);
        note("KM", NoteGroup::CountryCode, "Comore");
        note("KM", NoteGroup::Abbreviation, "chilometro");
        word("REAL", WordKind::Noun, 61, "REAL");
        note("REAL", NoteGroup::Currency, "real brasiliano");
        word("CADMIO", WordKind::OtherWord, 25);
        note("CADMIO", NoteGroup::ElementName, "Cd");
        word("ERITREA", WordKind::Name, 50);
        note("ERITREA", NoteGroup::Country, "Asmara");
        word("ERITREO", WordKind::Noun, 40, "ERITREO");
    }

    void word(const char* w, WordKind kind, int familiarity, const char* lemma = nullptr) {
        word(w, kindBit(kind), familiarity, lemma);
    }
    void word(const char* w, KindSet kinds, int familiarity, const char* lemma = nullptr) {
        writer_.set(w, FactRecord{kinds, uint8_t(familiarity), 0, lemma ? writer_.lemmaId(lemma) : NO_LEMMA});
        words_.emplace_back(w);
    }
    void note(const char* w, NoteGroup group, const char* text) { writer_.addNote(w, group, text); }

    FactsWriter writer_;
    std::vector<std::string> words_;
};

}  // namespace quirvo::testing
