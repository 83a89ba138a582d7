#include "core/tools/anagram.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "core/dictionary/dictionary_scan.h"

namespace quirvo {
namespace {

using Lines = std::vector<std::string>;

AnagramOutcome anagramsIn(const std::string& plainList, std::string_view testText) {
    const Dictionary base = makeDictionary("base.diz", plainList);
    const AnagramIndex index(base);
    Progress progress;
    return anagrammi(index, testText, progress);
}

TEST(Anagrams, ListsEveryOtherArrangementButNeverTheTestWord) {
    const auto out = anagramsIn("AMOR\r\nARMO\r\nMORA\r\nORMA\r\nRAMO\r\nROMA\r\nROMANO\r\n", "roma");
    EXPECT_EQ(out.lines, (Lines{"AMOR", "ARMO", "MORA", "ORMA", "RAMO"}));
    EXPECT_EQ(out.panel2, " 5 Anagrammi ");
    EXPECT_EQ(out.panel3, " ");
    EXPECT_EQ(out.resultCount, 5);
    EXPECT_FALSE(out.beep);
}

TEST(Anagrams, VowelSetLineGivesOnlyItsFirstMatchingForm) {
    const std::string base = "ROSS!\r\nSORSE\r\n";
    EXPECT_EQ(anagramsIn(base, "sorsa").lines, (Lines{"ROSSA"}));
    // ROSSA is the TEST word itself and ROSSE lacks the A: nothing from ROSS!.
    const auto rossa = anagramsIn(base, "rossa");
    EXPECT_EQ(rossa.lines, (Lines{" ", " nessun Anagramma "}));
    EXPECT_EQ(rossa.resultCount, 0);
    // The A form fails, the E form is tried next; two lines, two results.
    EXPECT_EQ(anagramsIn(base, "ROSES").lines, (Lines{"ROSSE", "SORSE"}));
    // Every symbol expands, "@" to four vowels, "=" to I then O.
    EXPECT_EQ(anagramsIn("PRAT@\r\nMOR=\r\n", "tropa").lines, (Lines{"PRATO"}));
    EXPECT_EQ(anagramsIn("PRAT@\r\nMOR=\r\n", "ROMO").lines, (Lines{"MORO"}));
}

TEST(Anagrams, BlankInsideTheTestWordTakesAnyOneLetter) {
    const auto out = anagramsIn("ARSA\r\nRASA\r\nRISA\r\nROSA\r\nROSE\r\nSARTA\r\n", "  r sa ");
    EXPECT_EQ(out.lines, (Lines{"ARSA", "RASA", "RISA", "ROSA"}));
    // A blank does not stand for a missing letter: lengths must agree.
    EXPECT_EQ(anagramsIn("RASA\r\n", "R S").resultCount, 0);
}

TEST(Anagrams, RemarksWithApostropheAreSkippedButHashLinesCompareAsWords) {
    const auto out = anagramsIn("'ROMA\r\n#AMR\r\nRAMO\r\n", "O RAM");
    EXPECT_EQ(out.lines, (Lines{" ", " nessun Anagramma "}));
    const auto hash = anagramsIn("'ARMO\r\n#RMA\r\nRAMO\r\n", "R AM");
    EXPECT_EQ(hash.lines, (Lines{"#RMA", "RAMO"}));
}

TEST(Anagrams, CountTextsAndTheEmptyOutcome) {
    const auto one = anagramsIn("ARMO\r\nROMA\r\n", "ROMA");
    EXPECT_EQ(one.lines, (Lines{"ARMO"}));
    EXPECT_EQ(one.panel2, " 1 Anagramma ");

    std::string twelve;
    for (const char* w : {"ABCD", "ABDC", "ACBD", "ACDB", "ADBC", "ADCB", "BACD", "BADC", "BCAD", "BCDA", "BDAC",
                          "BDCA", "CABD"})
        twelve += std::string(w) + "\r\n";
    const auto many = anagramsIn(twelve, "abcd");
    EXPECT_EQ(many.resultCount, 12);
    EXPECT_EQ(many.panel2, " 12 Anagrammi ");

    for (const char* test : {"", "   ", "XYZ"}) {
        const auto none = anagramsIn("ROMA\r\n", test);
        EXPECT_EQ(none.lines, (Lines{" ", " nessun Anagramma "})) << test;
        EXPECT_EQ(none.panel2, " nessun Anagramma ");
        EXPECT_TRUE(none.beep);
    }
}

TEST(Anagrams, ListIsSortedAndKeepsWordsThatAppearTwice) {
    const auto out = anagramsIn("RAMO\r\nMOR!\r\nAMOR\r\nMORA\r\n", "orma");
    EXPECT_EQ(out.lines, (Lines{"AMOR", "MORA", "MORA", "RAMO"}));
}

TEST(Anagrams, EveryLineIsExaminedUpToTheLast) {
    EXPECT_EQ(anagramsIn("CASA\r\nAB\r\n", "ba").lines, (Lines{"AB"}));
    EXPECT_EQ(anagramsIn("CASA\r\nAMOR", "roma").lines, (Lines{"AMOR"}));
    EXPECT_EQ(anagramsIn("AB", "ba").lines, (Lines{"AB"}));
}

TEST(Anagrams, AccentedLettersAreUpperCasedLikeTheWindowsCodePage) {
    EXPECT_EQ(anagramTestWord("  citt\xE0 "), "CITT\xC0");
    EXPECT_EQ(anagramsIn("T\xC0TIC\r\n", "citt\xE0").lines, (Lines{"T\xC0TIC"}));
}

TEST(Anagrams, StopRequestEndsTheScanWithWhatWasFound) {
    std::string base;
    for (int i = 0; i < 5000; ++i) base += "AMOR\r\n";
    const Dictionary dict = makeDictionary("base.diz", base);
    const AnagramIndex index(dict);
    Progress stopAtOnce([] { return true; });
    stopAtOnce.pollNow();
    const auto out = anagrammi(index, "ROMA", stopAtOnce);
    EXPECT_TRUE(out.interrupted);
    EXPECT_EQ(out.resultCount, 0);
}

// The rule written out letter by letter, with no index and no pre-test:
// the oracle for random dictionaries below.
Lines plainAnagrams(const std::string& text, const std::string& word) {
    Lines found;
    forEachLine(text, [&](size_t pos, size_t len) {
        const std::string line = text.substr(pos, len);
        if (line.empty() || line[0] == '\'' || line.size() != word.size()) return;
        Lines candidates{line};
        const std::map<char, std::string> sets = {{'!', "AE"}, {'#', "AI"},  {'$', "EI"},  {'%', "AEI"},
                                                  {'&', "AO"}, {'(', "EO"},  {')', "AEO"}, {'+', "AIO"},
                                                  {'-', "EIO"}, {'=', "IO"}, {'@', "AEIO"}};
        if (const auto set = sets.find(line.back()); set != sets.end()) {
            candidates.clear();
            for (char vowel : set->second) candidates.push_back(line.substr(0, len - 1) + vowel);
        }
        for (const std::string& c : candidates) {
            std::string left = c;
            bool match = true;
            for (char ch : word) {
                if (ch == ' ') continue;
                const size_t p = left.find(ch);
                if (p == std::string::npos) {
                    match = false;
                    break;
                }
                left[p] = ' ';
            }
            if (match && c != word) {
                found.push_back(c);
                break;
            }
        }
    });
    std::sort(found.begin(), found.end());
    return found;
}

TEST(Anagrams, AgreesWithTheLetterByLetterRuleOnRandomLists) {
    std::mt19937 rng(7);
    const std::string alphabet = "AEIORST!@='#";
    auto randomWord = [&](size_t len, bool wordChars) {
        std::string w;
        for (size_t i = 0; i < len; ++i) w += alphabet[rng() % (wordChars ? 7 : alphabet.size())];
        return w;
    };
    for (int round = 0; round < 40; ++round) {
        std::string text;
        for (int i = 0; i < 400; ++i) text += randomWord(2 + rng() % 4, false) + "\r\n";
        for (int q = 0; q < 20; ++q) {
            std::string word = randomWord(2 + rng() % 4, true);
            if (rng() % 3 == 0) word[1 + rng() % (word.size() - 1)] = ' ';
            if (word.back() == ' ') continue;
            Lines expected = plainAnagrams(text, word);
            if (expected.empty()) expected = {" ", " nessun Anagramma "};
            EXPECT_EQ(anagramsIn(text, word).lines, expected) << word;
        }
    }
}

}  // namespace
}  // namespace quirvo
