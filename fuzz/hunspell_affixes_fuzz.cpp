// Any bytes as an affix file and a dictionary (split at the first NUL byte):
// the rules are read, every stem expanded and classified into a small
// sheet, and no form is ever empty.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/dictionary/dictionary_scan.h"
#include "core/facts/affix_expander.h"
#include "core/facts/hunspell_facts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t split = bytes.find('\0');
    const std::string aff = bytes.substr(0, split);
    const std::string dic = split == std::string::npos ? "" : bytes.substr(split + 1);
    const quirvo::AffixRules rules = quirvo::AffixRules::parse(aff);
    const auto stems = quirvo::parseHunspellDic(dic);
    for (const auto& stem : stems)
        for (const auto& form : quirvo::expandStem(rules, stem))
            if (form.word.empty()) std::abort();
    quirvo::DictionarySet dicts;
    dicts[1] = quirvo::makeDictionary("base.diz", "AMARE\r\nAMO\r\nAMANDO\r\nCASA\r\nCASE\r\n");
    const quirvo::WordTable table(dicts);
    quirvo::FactSheet sheet(table);
    quirvo::addHunspellFacts(rules, stems, sheet);
    quirvo::FactsWriter writer;
    sheet.write(writer);
    if (!quirvo::FactsFile::decode(writer.encode())) std::abort();
    return 0;
}
