#include "core/dictionary/word_table.h"

#include <bit>
#include <cstring>

#include "core/dictionary/dictionary_scan.h"
#include "core/dictionary/plain_list.h"
#include "core/dictionary/vowel_sets.h"

namespace quirvo {

namespace {

uint64_t hashWord(const char* s, size_t n) {
    uint64_t h = 0x9E3779B97F4A7C15ull ^ n;
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t chunk;
        std::memcpy(&chunk, s + i, 8);
        h = (h ^ chunk) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 32;
    }
    uint64_t tail = 0;
    std::memcpy(&tail, s + i, n - i);
    h = (h ^ tail) * 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 29);
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
        if (dicts[slot].present() && dicts[slot].active) mask |= DictMask(1u << (slot - 1));
    return mask;
}

// Gathers the words of every length while the lists are read; the bitsets
// are made once all words are in.
class WordTableBuilder {
public:
    explicit WordTableBuilder(std::array<WordTable::Bucket, WordTable::MAX_LENGTH + 1>& buckets) : buckets_(buckets) {}

    void add(const char* w, size_t length, DictMask source) {
        WordTable::Bucket& b = buckets_[length];
        if ((size_t(b.count) + 1) * 2 > b.hashSlots.size()) rehash(b, length);
        const size_t mask = b.hashSlots.size() - 1;
        for (size_t i = hashWord(w, length) & mask;; i = (i + 1) & mask) {
            const uint32_t at = b.hashSlots[i];
            if (at == WordTable::NOT_FOUND) {
                b.hashSlots[i] = b.count++;
                b.letters.insert(b.letters.end(), w, w + length);
                b.sources.push_back(source);
                return;
            }
            if (std::memcmp(b.letters.data() + size_t(at) * length, w, length) == 0) {
                b.sources[at] |= source;
                return;
            }
        }
    }

    void addEntry(std::string_view entry, int slot) {
        if (entry.size() < 2 || entry.size() > size_t(WordTable::MAX_LENGTH) || isRemarkLine(entry)) return;
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

    static void fillBits(WordTable::Bucket& b, int length) {
        b.blocks = (size_t(b.count) + 63) / 64;
        b.bits.assign(size_t(length) * WordTable::LETTERS * b.blocks, 0);
        for (uint32_t i = 0; i < b.count; ++i) {
            const char* w = b.letters.data() + size_t(i) * length;
            for (int p = 0; p < length; ++p)
                b.bits[(size_t(p) * WordTable::LETTERS + size_t(w[p] - 'A')) * b.blocks + i / 64] |=
                    uint64_t(1) << (i % 64);
        }
    }

private:
    static void rehash(WordTable::Bucket& b, size_t length) {
        const size_t size = std::max<size_t>(1024, b.hashSlots.size() * 2);
        b.hashSlots.assign(size, WordTable::NOT_FOUND);
        for (uint32_t at = 0; at < b.count; ++at) {
            size_t i = hashWord(b.letters.data() + size_t(at) * length, length) & (size - 1);
            while (b.hashSlots[i] != WordTable::NOT_FOUND) i = (i + 1) & (size - 1);
            b.hashSlots[i] = at;
        }
    }

    std::array<WordTable::Bucket, WordTable::MAX_LENGTH + 1>& buckets_;
};

WordTable::WordTable(const DictionarySet& dicts) {
    WordTableBuilder builder(byLength_);
    for (int slot = 1; slot <= SEARCHABLE_SLOTS; ++slot) {
        const std::string& text = dicts[slot].dictText;
        if (!dicts[slot].present()) continue;
        forEachLine(text, [&](size_t pos, size_t len) { builder.addEntry(std::string_view(text).substr(pos, len), slot); });
    }
    for (int length = 2; length <= MAX_LENGTH; ++length) WordTableBuilder::fillBits(byLength_[length], length);
}

int WordTable::firstDictionary(int length, uint32_t index, DictMask active) const {
    const unsigned m = dictionaries(length, index) & active;
    return m ? std::countr_zero(m) + 1 : 0;
}

uint32_t WordTable::find(std::string_view word) const {
    const int length = int(word.size());
    if (!valid(length) || byLength_[length].hashSlots.empty()) return NOT_FOUND;
    const Bucket& b = byLength_[length];
    const size_t mask = b.hashSlots.size() - 1;
    for (size_t i = hashWord(word.data(), word.size()) & mask;; i = (i + 1) & mask) {
        const uint32_t at = b.hashSlots[i];
        if (at == NOT_FOUND || std::memcmp(b.letters.data() + size_t(at) * length, word.data(), word.size()) == 0)
            return at;
    }
}

std::vector<uint64_t> WordTable::wordsOf(int length, DictMask mask) const {
    std::vector<uint64_t> bits(blocks(length), 0);
    if (bits.empty()) return bits;
    const Bucket& b = byLength_[length];
    for (uint32_t i = 0; i < b.count; ++i)
        if (b.sources[i] & mask) bits[i / 64] |= uint64_t(1) << (i % 64);
    return bits;
}

}  // namespace quirvo
