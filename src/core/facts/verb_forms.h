#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/dictionary/word_kind.h"

namespace quirvo {

// Every form the affix rules make of one verb, in upper case, sorted.
class VerbParadigm {
public:
    VerbParadigm(std::string infinitive, std::vector<std::string> forms);
    const std::string& infinitive() const { return infinitive_; }
    bool has(std::string_view form) const;

private:
    std::string infinitive_;
    std::vector<std::string> forms_;
};

// What a form of a verb is, in upper case, by its shape against the
// infinitive (AMARE: AMATO, AMANTE, AMANDO, AMAR) and, for a form with
// pronouns attached, by the verb form before them (AMANDOLA, AMARTI,
// AMIAMOCI, DIMMI, the old TRATTAVASI). A form that is none of these is finite (AMAVI, the
// imperfect, is no AMA plus VI: the paradigm has AMAVO).
KindSet verbFormKinds(const VerbParadigm& verb, std::string_view form);

// The kinds a form's shape alone tells against an infinitive: participles
// (-ATE and -ITE are finite too: AMATE, DORMITE) and the gerund; 0 for any
// other shape.
KindSet verbShapeKinds(std::string_view infinitive, std::string_view form);

}  // namespace quirvo
