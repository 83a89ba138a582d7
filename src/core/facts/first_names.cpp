#include "core/facts/first_names.h"

#include "core/common/text_encoding.h"
#include "core/facts/letters.h"

namespace quirvo {

namespace {

// "andrea" -> "Andrea", as a note shows a name.
std::string capitalised(std::string_view name) {
    std::u32string letters = decodeUtf8(lowerUtf8(name));
    if (!letters.empty()) letters = decodeUtf8(upperUtf8(encodeUtf8(letters.substr(0, 1)))) + letters.substr(1);
    return encodeUtf8(letters);
}

}  // namespace

NoteGroup nameGender(std::string_view word, const std::map<std::string, NoteGroup>& exceptions) {
    if (const auto found = exceptions.find(std::string(word)); found != exceptions.end()) return found->second;
    const bool female = word.ends_with("A") || word.ends_with("ICE") || word.ends_with("ILDE");
    return female ? NoteGroup::FemaleName : NoteGroup::MaleName;
}

std::vector<FirstName> supportedFirstNames(const std::vector<std::string>& names, const NameSupport& support,
                                           const std::map<std::string, NoteGroup>& exceptions) {
    std::vector<FirstName> kept;
    std::unordered_set<std::string> seen;
    for (const std::string& name : names) {
        const auto word = letterWord(name);
        if (!word || word->size() < 2) continue;
        const bool supported =
            support.proper.count(*word) || (support.frequent.count(*word) && !support.common.count(*word));
        if (!supported || !seen.insert(*word).second) continue;
        kept.push_back({*word, capitalised(name), nameGender(*word, exceptions)});
    }
    return kept;
}

}  // namespace quirvo
