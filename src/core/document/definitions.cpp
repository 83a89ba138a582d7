#include "core/document/definitions.h"

#include <utility>

namespace quirvo {

namespace {

// The slot of the grid that starts exactly at the key, if there is one.
std::optional<Slot> slotStartingAt(const Grid& grid, SlotKey key) {
    const std::optional<Slot> s = slotAt(grid, key.row, key.col, key.direction);
    if (s && s->row == key.row && s->col == key.col) return s;
    return std::nullopt;
}

}  // namespace

const Definition* Definitions::find(SlotKey key) const {
    const auto it = attached_.find(key);
    return it == attached_.end() ? nullptr : &it->second;
}

void Definitions::set(const Grid& grid, const Slot& slot, std::string text, bool draft) {
    const SlotKey key = SlotKey::of(slot);
    if (text.empty()) {
        attached_.erase(key);
        return;
    }
    attached_[key] = Definition{key, slot.pattern(grid), std::move(text), draft};
}

void Definitions::setOrphan(std::size_t i, std::string text) {
    if (i >= orphans_.size()) return;
    if (text.empty())
        orphans_.erase(orphans_.begin() + static_cast<std::ptrdiff_t>(i));
    else
        orphans_[i] = Definition{orphans_[i].key, orphans_[i].letters, std::move(text), false};
}

bool Definitions::attachIfFree(const Grid& grid, Definition& d) {
    const auto s = slotStartingAt(grid, d.key);
    if (!s || attached_.contains(d.key)) return false;
    d.letters = s->pattern(grid);
    attached_.emplace(d.key, std::move(d));
    return true;
}

bool Definitions::follow(const Grid& grid) {
    bool changed = false;
    std::vector<Definition> waiting;
    for (auto it = attached_.begin(); it != attached_.end();) {
        if (const auto s = slotStartingAt(grid, it->first)) {
            std::string letters = s->pattern(grid);
            changed = changed || letters != it->second.letters;
            it->second.letters = std::move(letters);
            ++it;
        } else {
            waiting.push_back(std::move(it->second));
            it = attached_.erase(it);
        }
    }
    // The latest orphan returns first, so undoing an edit restores what it took.
    std::vector<bool> returned(orphans_.size(), false);
    for (std::size_t i = orphans_.size(); i-- > 0;) returned[i] = attachIfFree(grid, orphans_[i]);
    std::vector<Definition> still;
    for (std::size_t i = 0; i < orphans_.size(); ++i)
        if (!returned[i]) still.push_back(std::move(orphans_[i]));
    changed = changed || !waiting.empty() || still.size() != orphans_.size();
    for (Definition& d : waiting) still.push_back(std::move(d));
    orphans_ = std::move(still);
    return changed;
}

void Definitions::assign(const Grid& grid, std::vector<Definition> all) {
    attached_.clear();
    orphans_.clear();
    for (Definition& d : all)
        if (!d.text.empty() && !attachIfFree(grid, d)) orphans_.push_back(std::move(d));
}

std::vector<Definition> Definitions::all() const {
    std::vector<Definition> out;
    out.reserve(attached_.size() + orphans_.size());
    for (const auto& [key, d] : attached_) out.push_back(d);
    out.insert(out.end(), orphans_.begin(), orphans_.end());
    return out;
}

}  // namespace quirvo
