// Any bytes given to the facts file reader are refused, or read as a file
// whose every record is within its bounds and which lays out beside a word
// table without reading past anything.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/dictionary/dictionary_scan.h"
#include "core/dictionary/facts_file.h"
#include "core/dictionary/lexicon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto file = quirvo::FactsFile::decode(std::string(reinterpret_cast<const char*>(data), size));
    if (!file) return 0;
    file->forEachWord([&](std::string_view word, const quirvo::FactRecord& r) {
        if (word.size() < 2 || r.familiarity > 100) std::abort();
        if (r.lemma != quirvo::NO_LEMMA && r.lemma >= file->lemmaCount()) std::abort();
    });
    quirvo::DictionarySet dicts;
    dicts[1] = quirvo::makeDictionary("base.diz", "AB\r\nABC\r\nRM\r\n");
    quirvo::Lexicon lexicon(std::move(dicts), file);
    const quirvo::WordFacts* facts = lexicon.facts();
    if (!facts) std::abort();
    for (const char* word : {"AB", "ABC", "RM"}) (void)facts->lemma(facts->find(word)), (void)facts->notes(word);
    return 0;
}
