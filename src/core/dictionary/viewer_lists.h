#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/dictionary/dictionary.h"

namespace quirvo {

// One list of the dictionary viewer, kept as references into the
// dictionary text so that millions of entries cost a few bytes each.
class ViewerList {
public:
    ViewerList(const Dictionary& dict, bool expandSymbols) : dict_(&dict), expand_(expandSymbols) {}

    void addEntry(uint32_t pos, uint32_t len) { lines_.push_back({pos, len}); }
    void addGuide(std::string text);

    size_t size() const { return lines_.size(); }
    // The line as shown: a base entry's final vowel-set symbol in brackets.
    std::string line(size_t k) const;
    // The line the search text selects: the first bracketed entry standing
    // for t, or the first line at or after t; the last line when none is.
    int find(const std::string& t) const;

private:
    struct Ref {
        uint32_t pos;
        uint32_t len;
    };
    static constexpr uint32_t GUIDE = UINT32_MAX;
    const Dictionary* dict_;
    bool expand_;
    std::vector<Ref> lines_;
    std::vector<std::string> guides_;
};

// Both halves of a viewer load: everything in `first` except for the base
// dictionary, which is split at "M" with a guide line on either side.
struct ViewerLists {
    ViewerList first;
    ViewerList second;
    int count = 0;
};

ViewerLists buildViewerLists(const Dictionary& dict, bool isBase);

}  // namespace quirvo
