#include "core/clues/suggestions.h"

#include <gtest/gtest.h>

#include <map>

#include "../support/ascii_grid.h"
#include "../support/clue_facts.h"
#include "../support/dictionary_builders.h"
#include "core/clues/letter_play.h"
#include "core/common/text_encoding.h"
#include "core/dictionary/lexicon.h"
#include "core/dictionary/word_folding.h"

namespace quirvo {
namespace {

using testing::asciiGrid;

class FakeThesaurus : public Thesaurus {
public:
    std::map<std::string, std::vector<Meaning>, std::less<>> data;
    std::vector<Meaning> meanings(std::string_view word) const override {
        const auto found = data.find(word);
        return found == data.end() ? std::vector<Meaning>{} : found->second;
    }
    std::vector<Meaning> listing(std::string_view folded) const override {
        std::vector<Meaning> out;
        for (const auto& [head, meanings] : data)
            for (const Meaning& m : meanings)
                if (std::find(m.synonyms.begin(), m.synonyms.end(), lowerUtf8(folded)) != m.synonyms.end()) {
                    Meaning listed{m.tag, {head}, {}};
                    for (const std::string& s : m.synonyms)
                        if (s != lowerUtf8(folded)) listed.synonyms.push_back(s);
                    out.push_back(listed);
                }
        return out;
    }
};

class FakeArchive : public DefinitionArchive {
public:
    std::vector<ArchivedDefinition> ofWord(std::string_view word, size_t limit) override {
        std::vector<ArchivedDefinition> out;
        for (const ArchivedDefinition& d : saved)
            if (d.word == word && out.size() < limit) out.push_back(d);
        return out;
    }
    std::vector<ArchivedDefinition> saved;
};

class Suggestions : public ::testing::Test {
protected:
    Suggestions()
        : lexicon_(testing::dictionarySet({facts_.words()}), FactsFile::decode(facts_.bytes())),
          index_(*lexicon_.facts(), written_) {
        thesaurus_.data["boom"] = {{"(s.m.)", {"crescita", "espansione"}, {}}};
        thesaurus_.data["casa"] = {{"(s.f.)", {"abitazione", "casato", "edificio"}, {}}, {"(s.f.)", {"dimora"}, {}}};
        thesaurus_.data["amare"] = {{"(v. Voler bene)", {"adorare", "amabile"}, {}}};
        thesaurus_.data["re"] = {{"(s.m.)", {"regnante", "sovrano"}, {}}};
        thesaurus_.data["traccia"] = {{"(s.f.)", {"orma", "segno"}, {}}};
        thesaurus_.data["canoa"] = {{"(s.f.)", {"kayak", "piroga"}, {}}};
        thesaurus_.data["tra"] = {{"(prep.)", {"con"}, {}}};
        thesaurus_.data["esso"] = {{"(pron.)", {"egli"}, {}}};
        thesaurus_.data["dimora"] = {{"(s.f.)", {"abitazione", "casa"}, {}}};
        thesaurus_.data["falso"] = {{"(agg.)", {"ipocrita"}, {}}};
        thesaurus_.data["qualche"] = {{"(agg.)", {"alcuna", "nessuna"}, {}}};
        thesaurus_.data["la"] = {{"(avv.)", {"in quel luogo"}, {}}};
        thesaurus_.data["fondo"] = {{"(agg.)", {"incassato"}, {}}, {"(s.m.)", {"basamento"}, {}}};
    }

    // The entry's first suggestion is this one.
    void expectFirst(const char* entry, SuggestionKind kind, const char* text) {
        const std::vector<Suggestion> all = of(entry);
        ASSERT_FALSE(all.empty()) << entry;
        EXPECT_EQ(all.front(), (Suggestion{kind, text, ""})) << entry << ": " << all.front().text;
    }

    ClueSources sources() { return {lexicon_.facts(), &index_, &written_, &thesaurus_, &archive_}; }
    // The suggestions for the first slot across of a grid.
    std::vector<Suggestion> first(const Grid& grid) { return suggestDefinitions(sources(), grid, slotsOf(grid)[0]); }
    std::vector<Suggestion> of(const std::string& word) {
        return first(asciiGrid({word.c_str(), std::string(word.size(), '#').c_str()}));
    }

    testing::ClueFacts facts_;
    Lexicon lexicon_;
    WrittenForms written_;
    LetterPlayIndex index_;
    FakeThesaurus thesaurus_;
    FakeArchive archive_;
};

// A name's source is written as the name is ("Dante Alighieri"); fold it
// word by word as the plays read it.
std::string foldedSource(const std::string& source) {
    std::string out;
    size_t from = 0;
    while (from <= source.size()) {
        const size_t end = std::min(source.find(' ', from), source.size());
        out += (out.empty() ? "" : " ") + foldWord(source.substr(from, end - from)).value_or("?");
        from = end + 1;
    }
    return out;
}

bool letterPlayHolds(const Suggestion& s, const std::string& entry) {
    for (int p = 0; p < PLAYS; ++p)
        if (kindOfPlay(Play(p)) == s.kind && playLetters(Play(p), foldedSource(s.source), int(entry.size())) == entry)
            return true;
    return false;
}

TEST_F(Suggestions, LetterPlayTakesTheEntrysLettersFromFamiliarSources) {
    struct Case {
        const char* entry;
        Suggestion expected;
    } cases[] = {
        {"CA", {SuggestionKind::Half, "Metà di casa", "CASA"}},
        {"CA", {SuggestionKind::Head, "L'inizio di casa", "CASA"}},
        {"SA", {SuggestionKind::Tail, "La fine di casa", "CASA"}},
        {"OM", {SuggestionKind::Middle, "Il cuore di Roma", "Roma"}},
        {"BM", {SuggestionKind::Ends, "Gli estremi del boom", "BOOM"}},
        {"CS", {SuggestionKind::Consonants, "Le consonanti di cosa", "COSA"}},
        {"OA", {SuggestionKind::Vowels, "Le vocali di Roma", "Roma"}},
        {"DA", {SuggestionKind::Initials, "Le iniziali di Dante Alighieri", "Dante Alighieri"}},
        {"RE", {SuggestionKind::Initials, "Le iniziali di Reggio Emilia", "Reggio Emilia"}},
        {"AA", {SuggestionKind::Alternate, "Le pari di casa", "CASA"}},
        {"CS", {SuggestionKind::Alternate, "Le dispari di casa", "CASA"}},
        {"ED", {SuggestionKind::Middle, "Il cuore di sede", "SEDE"}},
        {"EME", {SuggestionKind::Middle, "Il cuore dello Yemen", "Yemen"}},
    };
    for (const Case& c : cases) {
        const std::vector<Suggestion> all = of(c.entry);
        EXPECT_NE(std::find(all.begin(), all.end(), c.expected), all.end()) << c.entry << ": " << c.expected.text;
        for (const Suggestion& s : all) {
            if (!isLetterPlay(s.kind)) continue;
            EXPECT_TRUE(letterPlayHolds(s, c.entry)) << c.entry << " from " << s.source << ": " << s.text;
            EXPECT_NE(s.source, "CAPPA") << "a rare word lent its letters";
            EXPECT_NE(s.source, "MERDA") << "a vulgar word lent its letters";
        }
    }
    for (const Suggestion& s : of("LA")) EXPECT_NE(s.source, "DALLA") << "a word of grammar lent its letters";
    // Metà di casa: the plainest play of the most familiar word comes first.
    EXPECT_EQ(of("CA").front().text, "Metà di casa");
}

TEST_F(Suggestions, NeitherTheEntryNorAWordOfItsGridNorItsLemmaLendsLetters) {
    // CA runs down from the C of CASA, and CASE (lemma CASA) is in the grid too.
    const Grid grid = asciiGrid({"CASA#", "A####", "#CASE"});
    std::optional<Slot> down = slotAt(grid, 0, 0, Direction::Down);
    ASSERT_TRUE(down);
    const std::vector<Suggestion> all = suggestDefinitions(sources(), grid, *down);
    ASSERT_FALSE(all.empty());
    for (const Suggestion& s : all) {
        EXPECT_NE(s.source, "CASA") << s.text;
        EXPECT_NE(s.source, "CASE") << s.text;
        EXPECT_EQ(s.text.find("casa"), std::string::npos) << s.text;
    }
}

TEST_F(Suggestions, SigleNamesAndLemmasSayWhatTheWordIs) {
    struct Case {
        const char* entry;
        SuggestionKind kind;
        const char* text;
    } cases[] = {
        {"RM", SuggestionKind::Sigla, "Sigla di Roma"},
        {"SP", SuggestionKind::Sigla, "Sigla della Spezia"},
        {"FE", SuggestionKind::Sigla, "Simbolo del ferro"},
        {"ZN", SuggestionKind::Sigla, "Simbolo dello zinco"},
        {"IT", SuggestionKind::Sigla, "Sigla dell'Italia"},
        {"USA", SuggestionKind::Sigla, "Sigla degli Stati Uniti"},
        {"ECC", SuggestionKind::Sigla, "Abbreviazione di eccetera"},
        {"SMS", SuggestionKind::Sigla, "Messaggio breve di testo, in sigla"},
        {"KM", SuggestionKind::Sigla, "Chilometro, in sigla"},  // before the code of the Comoros
        {"REAL", SuggestionKind::Name, "Moneta brasiliana"},
        {"CIV", SuggestionKind::Sigla, "Sigla della Costa d'Avorio"},
        {"XL", SuggestionKind::Sigla, "Quaranta romani"},
        {"III", SuggestionKind::Sigla, "Tre romani"},  // before the code of Sichuan Yi
        {"VIGEVANO", SuggestionKind::Name, "Comune in provincia di Pavia"},
        {"PIEMONTE", SuggestionKind::Name, "Regione con capoluogo Torino"},
        {"MARIA", SuggestionKind::Name, "Nome femminile"},
        {"PARIGI", SuggestionKind::Name, "Capitale della Francia"},
        {"ESEDRE", SuggestionKind::Lemma, "Plurale di esedra"},
        {"NOTAIA", SuggestionKind::Lemma, "Femminile di notaio"},
        {"AMATO", SuggestionKind::Lemma, "Participio di amare"},
        {"PESCATRICE", SuggestionKind::Lemma, "Femminile di pescatore"},
        {"ALLA", SuggestionKind::Lemma, "Preposizione articolata"},
        {"MIEI", SuggestionKind::Lemma, "Aggettivo possessivo"},
        {"OTTANTA", SuggestionKind::Lemma, "LXXX per i Romani"},
        {"TRE", SuggestionKind::Lemma, "III per i Romani"},
        {"TRA", SuggestionKind::Lemma, "Preposizione semplice"},
        {"ESSA", SuggestionKind::Lemma, "Femminile di esso"},
        {"NESSUNA", SuggestionKind::Lemma, "Femminile di nessuno"},  // before the thesaurus's "Qualche"
        {"LA", SuggestionKind::Lemma, "Articolo femminile"},  // before the thesaurus's là
        {"TRACCE", SuggestionKind::Lemma, "Plurale di traccia"},  // a lemma the thesaurus knows
        {"ACINETICA", SuggestionKind::Lemma, "Femminile di acinetico"},
        {"CUNEESE", SuggestionKind::Name, "Di Cuneo"},
        {"SIRIANI", SuggestionKind::Name, "Della Siria"},
        {"ERITREO", SuggestionKind::Name, "Dell'Eritrea"},
        {"CADMIO", SuggestionKind::Name, "Elemento chimico di simbolo Cd"},
    };
    for (const Case& c : cases) expectFirst(c.entry, c.kind, c.text);
    auto has = [](const std::vector<Suggestion>& all, SuggestionKind kind, const char* text) {
        return std::find(all.begin(), all.end(), Suggestion{kind, text, ""}) != all.end();
    };
    EXPECT_TRUE(has(of("FE"), SuggestionKind::Sigla, "Sigla di Ferrara"));
    EXPECT_TRUE(has(of("NEGLI"), SuggestionKind::Lemma, "In + gli"));
    EXPECT_TRUE(has(of("DEI"), SuggestionKind::Lemma, "Di + i"));
    EXPECT_TRUE(has(of("MIEI"), SuggestionKind::Lemma, "Di me"));
    // The lemma its ending suggests for TRE is a preposition: no "Plurale di tra", no "Con".
    EXPECT_FALSE(has(of("TRE"), SuggestionKind::Lemma, "Plurale di tra"));
    EXPECT_FALSE(has(of("TRE"), SuggestionKind::Thesaurus, "Con"));
}

TEST_F(Suggestions, WordsNoSourceDefinesAreCluedByHowTheyAreMade) {
    struct Case {
        const char* entry;
        SuggestionKind kind;
        const char* text;  // the first suggestion
    } cases[] = {
        {"NODULINO", SuggestionKind::Formation, "Piccolo nodulo"},
        {"CASETTE", SuggestionKind::Formation, "Piccole case"},
        {"NOTABILITA", SuggestionKind::Formation, "L'essere notabile"},
        {"LENTAMENTE", SuggestionKind::Formation, "In modo lento"},
        {"CELEBERRIMA", SuggestionKind::Formation, "Molto celebre"},
        {"GEOLOGA", SuggestionKind::Formation, "Studiosa di geologia"},
        {"STENDITOIO", SuggestionKind::Formation, "Serve per stendere"},
        {"ANNONARIO", SuggestionKind::Formation, "Che riguarda l'annona"},
        {"RINTERRARE", SuggestionKind::Formation, "Interrare di nuovo"},
        {"ARENATO", SuggestionKind::Lemma, "Participio di arenare"},
        {"TRAINANTE", SuggestionKind::Lemma, "Participio presente di trainare"},
        {"APRILE", SuggestionKind::Lemma, "Il quarto mese"},
        {"SEIMILAUNO", SuggestionKind::Lemma, "Il numero 6001"},
    };
    for (const Case& c : cases) expectFirst(c.entry, c.kind, c.text);
    // Words that only look made: MATTINO is more familiar than matto, TEINA's stem too short.
    for (const char* entry : {"MATTINO", "TEINA"}) {
        const std::vector<Suggestion> all = of(entry);
        EXPECT_TRUE(std::none_of(all.begin(), all.end(),
                                 [](const Suggestion& s) { return s.kind == SuggestionKind::Formation; }))
            << entry << ": " << (all.empty() ? "" : all.front().text);
    }
}

TEST_F(Suggestions, ThesaurusGivesMeaningsInTheEntrysFormAfterTheSettersOwn) {
    auto texts = [](const std::vector<Suggestion>& all, size_t n) {
        std::vector<std::string> out;
        for (size_t i = 0; i < std::min(n, all.size()); ++i) out.push_back(all[i].text);
        return out;
    };
    // CASE is a plural: the synonyms of casa in the plural the lexicon knows;
    // casato shares its root and EDIFICI is no word here.
    EXPECT_EQ(texts(of("CASE"), 3), (std::vector<std::string>{"Abitazioni", "Dimore", "Plurale di casa"}));
    EXPECT_EQ(texts(of("AMARE"), 2), (std::vector<std::string>{"Voler bene", "Adorare"}));
    EXPECT_EQ(texts(of("RE"), 2), (std::vector<std::string>{"Nota musicale", "Sovrano"}));  // REgnante gives it away
    EXPECT_EQ(texts(of("FONDO"), 1), std::vector<std::string>{"Basamento"});  // the noun's sense first
    EXPECT_EQ(texts(of("DIMORA"), 2), (std::vector<std::string>{"Casa", "Abitazione"}));  // the familiar first
    EXPECT_EQ(texts(of("FALSI"), 1), std::vector<std::string>{"Ipocriti"});  // ending as the entry does
    // No entry of its own: the words that list it.
    EXPECT_EQ(texts(of("PIROGA"), 2), (std::vector<std::string>{"Canoa", "Kayak"}));

    archive_.saved = {{"CASA", "Dimora dei sogni", "a.qrv", "2026-12-01 10:00:00"},
                      {"CASA", "Dimora dei sogni", "b.qrv", "2026-11-02 10:00:00"},
                      {"CASA", "Il nido", "b.qrv", "2026-11-01 10:00:00"}};
    const std::vector<Suggestion> casa = of("CASA");
    ASSERT_GE(casa.size(), 3u);
    EXPECT_EQ(casa[0], (Suggestion{SuggestionKind::Archive, "Dimora dei sogni", ""}));
    EXPECT_EQ(casa[1], (Suggestion{SuggestionKind::Archive, "Il nido", ""}));
    EXPECT_EQ(casa[2], (Suggestion{SuggestionKind::Thesaurus, "Abitazione", ""}));
}

TEST_F(Suggestions, AGridIsSuggestedSlotBySlotInItsOrderWholeWordsOnly) {
    const Grid grid = asciiGrid({"CASA", "A?##"});
    const std::vector<SlotSuggestions> all = suggestGrid(sources(), grid);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].word, "CASA");
    EXPECT_EQ(all[0].slot.direction, Direction::Across);
    EXPECT_EQ(all[1].word, "CA");
    EXPECT_EQ(all[1].slot.direction, Direction::Down);
    EXPECT_TRUE(suggestDefinitions(sources(), grid, *slotAt(grid, 1, 0, Direction::Across)).empty());
    std::atomic<bool> stop{true};
    EXPECT_TRUE(suggestGrid(sources(), grid, &stop).empty());
}

}  // namespace
}  // namespace quirvo
