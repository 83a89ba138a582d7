#include "core/tools/thesaurus_data.h"

#include <algorithm>
#include <charconv>

#include "core/dictionary/word_folding.h"

namespace quirvo {

namespace {

std::vector<std::string_view> split(std::string_view line) {
    std::vector<std::string_view> out;
    for (size_t bar; (bar = line.find('|')) != std::string_view::npos; line.remove_prefix(bar + 1))
        out.push_back(line.substr(0, bar));
    out.push_back(line);
    return out;
}

// Lines one at a time, without their line ends.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}
    bool next(std::string_view& line) {
        if (text_.empty()) return false;
        const size_t end = text_.find('\n');
        line = text_.substr(0, end);
        text_.remove_prefix(end == std::string_view::npos ? text_.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return true;
    }

private:
    std::string_view text_;
};

}  // namespace

ThesaurusListings::ThesaurusListings(std::string_view utf8) {
    Lines lines(utf8);
    std::string_view line;
    if (!lines.next(line)) return;  // the encoding
    while (lines.next(line)) {
        const std::vector<std::string_view> head = split(line);
        int count = 0;
        if (head.size() != 2 || head[0].empty() ||
            std::from_chars(head[1].data(), head[1].data() + head[1].size(), count).ec != std::errc() || count < 0)
            return;
        for (int m = 0; m < count; ++m) {
            if (!lines.next(line) || !line.starts_with('(')) return;
            const std::vector<std::string_view> fields = split(line);
            Meaning meaning{std::string(fields[0]), {std::string(head[0])}, {}};
            const uint32_t id = uint32_t(meanings_.size());
            for (size_t f = 1; f < fields.size(); ++f) {
                if (fields[f].empty()) continue;
                meaning.synonyms.emplace_back(fields[f]);
                if (const std::optional<std::string> folded = foldWord(fields[f]))
                    byWord_[*folded].push_back(id);
            }
            meanings_.push_back(std::move(meaning));
        }
    }
}

std::vector<Meaning> ThesaurusListings::listing(std::string_view folded) const {
    const auto found = byWord_.find(std::string(folded));
    if (found == byWord_.end()) return {};
    std::vector<Meaning> out;
    for (uint32_t id : found->second) {
        Meaning m = meanings_[id];
        std::erase_if(m.synonyms, [&](const std::string& s) { return foldWord(s) == std::string(folded); });
        if (!m.synonyms.empty()) out.push_back(std::move(m));
    }
    return out;
}

}  // namespace quirvo
