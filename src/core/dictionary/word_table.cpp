#include "core/dictionary/word_table.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/dictionary/dictionary_scan.h"
#include "core/dictionary/plain_list.h"
#include "core/dictionary/vowel_sets.h"

namespace quirvo {

namespace {

uint64_t mix(uint64_t h) {
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 33);
}

uint64_t hashWord(const char* s, size_t n) {
    uint64_t h = n;
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t chunk;
        std::memcpy(&chunk, s + i, 8);
        h = mix(h ^ chunk);
    }
    uint64_t tail = 0;
    std::memcpy(&tail, s + i, n - i);
    return mix(h ^ tail);
}

bool allLetters(std::string_view s) {
    for (const char c : s)
        if (c < 'A' || c > 'Z') return false;
    return true;
}

}  // namespace

DictMask activeMask(const DictionarySet& dicts) {
    DictMask mask = 0;
    for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot)
        if (dicts[slot].present() && dicts[slot].active) mask |= slotBit(slot);
    return mask;
}

// Gathers the words of every length while the lists are read; the bitsets
// are made once all words are in. A first pass counts the entries of each
// length, so the tables are sized once and never grow.
class WordTableBuilder {
public:
    explicit WordTableBuilder(std::array<WordTable::Bucket, WordTable::MAX_LENGTH + 1>& buckets) : buckets_(buckets) {}

    static size_t formsOf(std::string_view entry, int slot) {
        if (entry.size() < 2 || entry.size() > size_t(WordTable::MAX_LENGTH) || isRemarkLine(entry)) return 0;
        const VowelSet* set = slot == 1 ? findVowelSet(entry.back()) : nullptr;
        return set ? set->vowels.size() : 1;
    }

    void reserve(const std::array<size_t, WordTable::MAX_LENGTH + 1>& forms) {
        for (size_t length = 2; length < forms.size(); ++length) {
            WordTable::Bucket& b = buckets_[length];
            b.hashSlots.assign(std::bit_ceil(std::max<size_t>(16, forms[length] * 2)), WordTable::FREE_SLOT);
            b.letters.reserve(forms[length] * length);
            b.sources.reserve(forms[length]);
        }
    }

    // Words wait a little in a ring while their hash slots are fetched
    // from memory, so the lookups overlap instead of stalling one by one.
    void add(const char* w, size_t length, DictMask source) {
        if (pending_ == RING) insert(ring_[head_]), --pending_, head_ = (head_ + 1) % RING;
        Pending& p = ring_[(head_ + pending_) % RING];
        std::memcpy(p.word, w, length);
        p.length = length;
        p.source = source;
        p.hash = hashWord(w, length);
        const WordTable::Bucket& b = buckets_[length];
        __builtin_prefetch(b.hashSlots.data() + (p.hash & (b.hashSlots.size() - 1)));
        ++pending_;
    }

    void flush() {
        for (; pending_ > 0; --pending_, head_ = (head_ + 1) % RING) insert(ring_[head_]);
    }

    void addEntry(std::string_view entry, int slot) {
        if (formsOf(entry, slot) == 0) return;
        const DictMask source = DictMask(1u << (slot - 1));
        const std::string_view head = entry.substr(0, entry.size() - 1);
        const VowelSet* set = slot == 1 ? findVowelSet(entry.back()) : nullptr;
        if (!allLetters(head)) return;
        if (!set) {
            if (allLetters(entry.substr(entry.size() - 1))) add(entry.data(), entry.size(), source);
            return;
        }
        char form[WordTable::MAX_LENGTH];
        std::memcpy(form, entry.data(), entry.size());
        for (const char vowel : set->vowels) {
            form[entry.size() - 1] = vowel;
            add(form, entry.size(), source);
        }
    }

    static void countLetters(WordTable::Bucket& b, int length) {
        std::array<int, 256> slotOf;
        slotOf.fill(-1);
        for (uint32_t i = 0; i < b.count; ++i) {
            int& at = slotOf[b.sources[i]];
            if (at < 0) {
                at = int(b.countsBySources.size());
                b.countsBySources.emplace_back(b.sources[i], std::vector<uint32_t>(size_t(length) * WordTable::LETTERS, 0));
            }
            uint32_t* counts = b.countsBySources[size_t(at)].second.data();
            const char* w = b.letters.data() + size_t(i) * length;
            for (int p = 0; p < length; ++p) ++counts[p * WordTable::LETTERS + (w[p] - 'A')];
        }
    }

    static void fillBits(WordTable::Bucket& b, int length) {
        b.blocks = (size_t(b.count) + 63) / 64;
        b.bits.assign(size_t(length) * WordTable::LETTERS * b.blocks, 0);
        for (std::vector<uint64_t>& source : b.bySource) source.assign(b.blocks, 0);
        for (uint32_t i = 0; i < b.count; ++i) {
            for (unsigned m = b.sources[i]; m; m &= m - 1)
                b.bySource[size_t(std::countr_zero(m))][i / 64] |= uint64_t(1) << (i % 64);
            const char* w = b.letters.data() + size_t(i) * length;
            for (int p = 0; p < length; ++p)
                b.bits[(size_t(p) * WordTable::LETTERS + size_t(w[p] - 'A')) * b.blocks + i / 64] |=
                    uint64_t(1) << (i % 64);
        }
    }

private:
    struct Pending {
        char word[WordTable::MAX_LENGTH];
        size_t length;
        DictMask source;
        uint64_t hash;
    };
    static constexpr size_t RING = 16;

    void insert(const Pending& p) {
        WordTable::Bucket& b = buckets_[p.length];
        const uint64_t tag = p.hash >> 32 << 32;
        const size_t mask = b.hashSlots.size() - 1;
        for (size_t i = p.hash & mask;; i = (i + 1) & mask) {
            const uint64_t slot = b.hashSlots[i];
            if (slot == WordTable::FREE_SLOT) {
                b.hashSlots[i] = tag | b.count++;
                b.letters.insert(b.letters.end(), p.word, p.word + p.length);
                b.sources.push_back(p.source);
                return;
            }
            const uint32_t at = uint32_t(slot);
            if ((slot & ~uint64_t(UINT32_MAX)) == tag &&
                std::memcmp(b.letters.data() + size_t(at) * p.length, p.word, p.length) == 0) {
                b.sources[at] |= p.source;
                return;
            }
        }
    }

    std::array<WordTable::Bucket, WordTable::MAX_LENGTH + 1>& buckets_;
    std::array<Pending, RING> ring_;
    size_t head_ = 0, pending_ = 0;
};

WordTable::WordTable(const DictionarySet& dicts) {
    WordTableBuilder builder(byLength_);
    const auto eachEntry = [&](auto&& f) {
        for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot) {
            if (!dicts[slot].present()) continue;
            const std::string& text = dicts[slot].dictText;
            forEachLine(text, [&](size_t pos, size_t len) { f(std::string_view(text).substr(pos, len), slot); });
        }
    };
    std::array<size_t, MAX_LENGTH + 1> forms{};
    eachEntry([&](std::string_view entry, int slot) { forms[std::min(entry.size(), forms.size() - 1)] += WordTableBuilder::formsOf(entry, slot); });
    builder.reserve(forms);
    eachEntry([&](std::string_view entry, int slot) { builder.addEntry(entry, slot); });
    builder.flush();
    for (int length = 2; length <= MAX_LENGTH; ++length) {
        WordTableBuilder::fillBits(byLength_[length], length);
        WordTableBuilder::countLetters(byLength_[length], length);
    }
}

int WordTable::firstDictionary(int length, uint32_t index, DictMask active) const {
    const unsigned m = dictionaries(length, index) & active;
    return m ? std::countr_zero(m) + 1 : 0;
}

uint32_t WordTable::find(std::string_view word) const {
    const int length = int(word.size());
    if (!valid(length) || byLength_[length].hashSlots.empty()) return NOT_FOUND;
    const Bucket& b = byLength_[length];
    const uint64_t h = hashWord(word.data(), word.size());
    const size_t mask = b.hashSlots.size() - 1;
    for (size_t i = h & mask;; i = (i + 1) & mask) {
        const uint64_t slot = b.hashSlots[i];
        if (slot == FREE_SLOT) return NOT_FOUND;
        const uint32_t at = uint32_t(slot);
        if (slot >> 32 == h >> 32 && std::memcmp(b.letters.data() + size_t(at) * length, word.data(), word.size()) == 0)
            return at;
    }
}

std::vector<uint64_t> WordTable::wordsOf(int length, DictMask mask) const {
    std::vector<uint64_t> bits(blocks(length), 0);
    if (bits.empty()) return bits;
    const Bucket& b = byLength_[length];
    for (unsigned m = mask & ((1u << SEARCHABLE_SLOTS) - 1); m; m &= m - 1) {
        const std::vector<uint64_t>& source = b.bySource[size_t(std::countr_zero(m))];
        for (size_t i = 0; i < bits.size(); ++i) bits[i] |= source[i];
    }
    return bits;
}

std::vector<uint32_t> WordTable::letterCounts(int length, DictMask mask) const {
    std::vector<uint32_t> counts(valid(length) ? size_t(length) * LETTERS : 0, 0);
    if (counts.empty()) return counts;
    for (const auto& [sources, some] : byLength_[length].countsBySources)
        if (sources & mask)
            for (size_t i = 0; i < counts.size(); ++i) counts[i] += some[i];
    return counts;
}

}  // namespace quirvo
