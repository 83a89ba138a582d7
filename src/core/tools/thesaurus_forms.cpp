#include "core/tools/thesaurus_forms.h"

#include <algorithm>

#include "core/common/text_encoding.h"

namespace quirvo {

namespace {

std::u32string_view accentsOf(char32_t vowel) {
    switch (vowel) {
        case U'a': return U"à";
        case U'e': return U"éè";
        case U'i': return U"ì";
        case U'o': return U"ò";
        case U'u': return U"ù";
        default: return {};
    }
}

std::string capitalised(const std::u32string& lower) {
    std::string first = upperUtf8(encodeUtf8(lower.substr(0, 1)));
    return first + encodeUtf8(std::u32string_view(lower).substr(std::min<size_t>(1, lower.size())));
}

void addWithCapital(std::vector<std::string>& forms, const std::u32string& lower) {
    for (std::string form : {encodeUtf8(lower), capitalised(lower)})
        if (std::find(forms.begin(), forms.end(), form) == forms.end()) forms.push_back(std::move(form));
}

}  // namespace

std::vector<std::string> thesaurusForms(std::string_view typed) {
    const size_t first = typed.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    typed = typed.substr(first, typed.find_last_not_of(' ') - first + 1);

    std::vector<std::string> forms;
    const std::u32string lower = decodeUtf8(lowerUtf8(typed));
    addWithCapital(forms, lower);
    std::u32string plain = lower;
    if (plain.size() >= 2 && (plain.back() == U'\'' || plain.back() == U'\u2019')) plain.pop_back();
    for (char32_t accented : accentsOf(plain.back())) {
        std::u32string form = plain;
        form.back() = accented;
        addWithCapital(forms, form);
    }
    return forms;
}

}  // namespace quirvo
