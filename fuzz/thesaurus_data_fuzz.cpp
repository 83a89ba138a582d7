// Any bytes as the thesaurus's data file read the other way round: the
// reading stops at the first damage, and every meaning listing a word holds
// its headword and no copy of the word itself.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/dictionary/word_folding.h"
#include "core/tools/thesaurus_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const quirvo::ThesaurusListings listings(bytes);
    for (const char* word : {"CASA", "PIROGA", "A"})
        for (const quirvo::Meaning& m : listings.listing(word)) {
            if (m.synonyms.empty()) std::abort();
            for (const std::string& s : m.synonyms)
                if (quirvo::foldWord(s) == std::string(word)) std::abort();
        }
    return 0;
}
