// Any bytes as a dictd index and its gzip-compressed text, split at the
// first NUL byte: inflated or refused, and whatever is read has a word and
// a meaning for every entry.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/common/gzip_text.h"
#include "core/facts/english_words.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t nul = bytes.find('\0');
    const std::string index = bytes.substr(0, nul);
    const std::string dict = nul == std::string::npos ? std::string() : bytes.substr(nul + 1);
    const auto text = quirvo::gunzip(dict, size_t(1) << 20);
    if (const auto words = quirvo::readEnglishItalian(index, text ? *text : dict))
        for (const auto& w : *words)
            if (w.word.empty() || w.meaning.empty()) std::abort();
    return 0;
}
