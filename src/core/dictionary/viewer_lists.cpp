#include "core/dictionary/viewer_lists.h"

#include "core/dictionary/dictionary_scan.h"
#include "core/dictionary/vowel_sets.h"

namespace quirvo {

void ViewerList::addGuide(std::string text) {
    lines_.push_back({GUIDE, static_cast<uint32_t>(guides_.size())});
    guides_.push_back(std::move(text));
}

std::string ViewerList::line(size_t k) const {
    const Ref ref = lines_[k];
    if (ref.pos == GUIDE) return guides_[ref.len];
    std::string entry = dict_->dictText.substr(ref.pos, ref.len);
    if (expand_ && !entry.empty()) {
        const std::string_view brackets = bracketedForm(entry.back());
        if (!brackets.empty()) entry.replace(entry.size() - 1, 1, brackets);
    }
    return entry;
}

int ViewerList::find(const std::string& t) const {
    const size_t n = t.size();
    for (size_t k = 0; k < lines_.size(); ++k) {
        const std::string candidate = line(k);
        if (n > 3 && candidate.compare(0, n - 1, t, 0, n - 1) == 0 && candidate.size() >= n &&
            candidate[n - 1] == '(')
            return static_cast<int>(k);
        if (candidate.compare(0, n, t) >= 0) return static_cast<int>(k);
    }
    return static_cast<int>(lines_.size()) - 1;
}

ViewerLists buildViewerLists(const Dictionary& dict, bool isBase) {
    ViewerLists lists{ViewerList(dict, isBase), ViewerList(dict, isBase), 0};
    bool metM = false;
    const std::string& text = dict.dictText;
    forEachLine(text, [&](size_t pos, size_t len) {
        while (len > 0 && text[pos] == ' ') ++pos, --len;
        while (len > 0 && text[pos + len - 1] == ' ') --len;
        if (len == 0 || text[pos] == '\'' || text[pos] == '#') return;
        ++lists.count;
        const char c = text[pos];
        if (!isBase || c < 'M') {
            lists.first.addEntry(static_cast<uint32_t>(pos), static_cast<uint32_t>(len));
            return;
        }
        if (c == 'M' && !metM) {
            metM = true;
            lists.first.addGuide("...per proseguire premere  M-Z=> ");
            lists.second.addGuide("...per tornare all'inizio premere  A-L<= ");
        }
        lists.second.addEntry(static_cast<uint32_t>(pos), static_cast<uint32_t>(len));
    });
    return lists;
}

}  // namespace quirvo
