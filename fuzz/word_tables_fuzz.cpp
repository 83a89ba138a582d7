// Any bytes as each of the JSON tables the word facts read (morph-it verbs,
// nouns and adjectives, frequency lists) and as a committed list: read into
// a small sheet whose facts file must then decode.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/dictionary/dictionary_scan.h"
#include "core/facts/data_lists.h"
#include "core/facts/grammar_facts.h"
#include "core/facts/morphit_facts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    quirvo::DictionarySet dicts;
    dicts[1] = quirvo::makeDictionary("base.diz", "AMARE\r\nAMO\r\nAMANDOLA\r\nCANE\r\nCANI\r\nSONO\r\n");
    const quirvo::WordTable table(dicts);
    quirvo::FactSheet sheet(table);
    quirvo::addMorphItVerbs(text, sheet);
    quirvo::addMorphItNouns(text, sheet);
    quirvo::addMorphItAdjectives(text, sheet);
    quirvo::addAuxiliaryVerbs(text, sheet);
    quirvo::addFunctionWords(text, sheet);
    if (const auto ranks = quirvo::readStringArray(text))
        for (size_t i = 0; i < ranks->size(); ++i) sheet.addSubtitleRank((*ranks)[i], uint32_t(i + 1));
    for (const auto& [key, value] : quirvo::readKeyedList(text))
        if (key.empty() || value.empty()) std::abort();
    quirvo::FactsWriter writer;
    sheet.write(writer);
    if (!quirvo::FactsFile::decode(writer.encode())) std::abort();
    return 0;
}
