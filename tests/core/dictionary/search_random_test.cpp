#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/dictionary/fit_test.h"
#include "core/dictionary/search_index.h"
#include "core/dictionary/slot_search.h"
#include "core/presenting/result_lines.h"
#include "../support/dictionary_builders.h"
#include "../support/reference_scan.h"

namespace quirvo {
namespace {

std::vector<std::string> linesInScanOrder(const SlotScan& scan) {
    std::vector<std::string> lines;
    for (const SlotHit& hit : scan.hits) lines.push_back(listLine(hit));
    return lines;
}

// Random lists full of near misses: few letters, vowel-set symbols and
// other low codes anywhere, remark lines, blanks, a few very long lines,
// sorted or not, with or without the final CR LF.
class RandomLists {
public:
    explicit RandomLists(unsigned seed) : rng_(seed) {}

    std::string entry() {
        static const std::string symbols = "!#$%&()+-=@";
        const int kind = pick(40);
        if (kind == 0) return "'" + word(pick(6));
        if (kind == 1) return "# " + word(pick(6));
        if (kind == 2) return "";
        if (kind == 3) return " " + word(2 + pick(6));
        if (kind == 4) return word(65 + pick(6));
        std::string w = word(2 + pick(9));
        if (pick(4) == 0) w[pick(w.size())] = symbols[pick(symbols.size())];
        if (pick(6) == 0) w.back() = symbols[pick(symbols.size())];
        if (pick(30) == 0) w[pick(w.size())] = static_cast<char>("019 "[pick(4)]);
        if (pick(30) == 0) w += ' ';
        if (w[0] != '@' && !(w[0] >= 'A' && w[0] <= 'Z')) w[0] = 'A' + pick(5);
        return w;
    }

    Dictionary dictionary(int slot, bool sorted) {
        std::vector<std::string> lines(50 + pick(400));
        for (auto& line : lines) line = entry();
        if (sorted) std::sort(lines.begin(), lines.end());
        std::string text;
        for (const auto& line : lines) text += line + "\r\n";
        if (pick(2)) text.resize(text.size() - 2);
        Dictionary d = makeDictionary(slot == 1 ? "base.diz" : "x" + std::to_string(slot) + ".dic", text);
        d.active = slot == 1 || pick(4) != 0;
        return d;
    }

    std::string word(size_t length) {
        std::string w;
        for (size_t i = 0; i < length; ++i) w += static_cast<char>('A' + pick(pick(8) == 0 ? 26 : 4));
        return w;
    }

    // A slot pattern and how the free-length commands may have changed it.
    SlotQuery query(std::string& pattern, std::string& full, std::string& headCut) {
        const size_t length = pick(10) == 0 ? 64 + pick(5) : 2 + pick(9);
        full.clear();
        for (size_t i = 0; i < length; ++i) full += pick(2) ? '?' : static_cast<char>('A' + pick(5));
        if (pick(8) == 0) full[0] = static_cast<char>("@Z1"[pick(3)]);
        pattern = full;
        headCut.clear();
        const int change = pick(4);
        if (change == 1) {  // free head
            const size_t k = std::min(full.find_first_not_of('?'), full.size() - 1);
            headCut = full.substr(0, k);
            pattern = "*" + full.substr(k);
        } else if (change == 2) {  // free tail
            const size_t k = full.find_last_not_of('?');
            pattern = full.substr(0, k == std::string::npos || k == 0 ? 1 : k + 1) + "*";
        }
        return SlotQuery{pattern, full, headCut, pick(3) == 0};
    }

    size_t pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }

private:
    std::mt19937 rng_;
};

TEST(SearchRandom, IndexedScanListsWhatTheLineByLineScanLists) {
    int compared = 0, withEntries = 0, capped = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        RandomLists random(seed);
        DictionarySet dicts;
        const bool sorted = seed % 4 != 0;
        for (int slot = 1; slot <= 1 + static_cast<int>(random.pick(6)); ++slot)
            dicts[slot] = random.dictionary(slot, sorted);
        const Lexicon lexicon(dicts);
        const DictMask active = activeMask(dicts);
        for (int q = 0; q < 150; ++q) {
            std::string pattern, full, headCut;
            const SlotQuery query = random.query(pattern, full, headCut);
            if (refusedPattern(pattern)) continue;
            Progress a, b;
            const SlotScan fast = scanSlot(lexicon, active, query, a);
            const reference::Scan plain = reference::scanSlot(dicts, query, b);
            ASSERT_EQ(linesInScanOrder(fast), plain.entries)
                << "seed " << seed << " pattern " << pattern << " full " << full;
            ASSERT_EQ(fast.capped, plain.capped) << pattern;
            ++compared;
            withEntries += !plain.entries.empty();
            capped += plain.capped;
        }
    }
    // The comparison means something only if many searches found entries.
    EXPECT_GT(compared, 5000);
    EXPECT_GT(withEntries, compared / 4);
    EXPECT_GT(capped, 20);
}

TEST(SearchRandom, IndexedFitTestAgreesWithTheLineByLineOne) {
    int compared = 0, hits = 0, shorter = 0;
    for (unsigned seed = 100; seed <= 160; ++seed) {
        RandomLists random(seed);
        DictionarySet dicts;
        for (int slot = 1; slot <= 1 + static_cast<int>(random.pick(4)); ++slot)
            dicts[slot] = random.dictionary(slot, seed % 5 != 0);
        const Lexicon lexicon(dicts);
        const DictMask active = activeMask(dicts);
        for (int q = 0; q < 150; ++q) {
            std::string pattern, full, headCut;
            random.query(pattern, full, headCut);
            const bool accorcia = random.pick(2);
            Progress a, b;
            const FitTest fast = sugginc(lexicon, active, full, accorcia, a);
            const FitTest plain = reference::sugginc(dicts, full, accorcia, b);
            ASSERT_EQ(fast.hit, plain.hit) << "seed " << seed << " pattern " << full;
            if (plain.hit) {
                ASSERT_EQ(fast.fitLen, plain.fitLen) << full;
            }
            ++compared;
            hits += plain.hit;
            shorter += plain.hit && plain.fitLen < static_cast<int>(full.size());
        }
    }
    EXPECT_GT(hits, compared / 5);
    EXPECT_GT(shorter, 50);
}

}  // namespace
}  // namespace quirvo
