// Any bytes as the Italian word list the suggestions learn the written
// forms of words from: every word and name given back must be valid UTF-8
// and fold to the letters asked for.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/clues/written_forms.h"
#include "core/common/text_encoding.h"
#include "core/dictionary/word_folding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const quirvo::WrittenForms forms(bytes);
    size_t from = 0;
    while (from < bytes.size()) {
        const size_t end = std::min(bytes.find('\n', from), bytes.size());
        const std::optional<std::string> folded = quirvo::foldWord(bytes.substr(from, end - from));
        from = end + 1;
        if (!folded || folded->back() < 'A' || folded->back() > 'Z') continue;
        for (const std::string& written : {forms.word(*folded), forms.name(*folded)})
            if (quirvo::validUtf8(written) != written || quirvo::foldWord(written) != *folded) std::abort();
    }
    return 0;
}
