#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quirvo {

// One meaning of a word in the thesaurus: its tag as the data writes it
// ("(s.f.)", "(v.)", sometimes with a gloss: "(v. Vestire con cura)"), its
// synonyms and the antonyms marked among them, UTF-8.
struct Meaning {
    std::string tag;
    std::vector<std::string> synonyms;
    std::vector<std::string> antonyms;
};

// The Italian thesaurus: every meaning of a word, in the data's order;
// none for a word it does not know. Any thread may ask.
class Thesaurus {
public:
    virtual ~Thesaurus() = default;
    virtual std::vector<Meaning> meanings(std::string_view word) const = 0;
    // The meanings of other words that list this one (folded, PIROGA) among
    // their synonyms, the other word first: what the thesaurus says of a
    // word it has no entry for.
    virtual std::vector<Meaning> listing(std::string_view folded) const = 0;
};

}  // namespace quirvo
