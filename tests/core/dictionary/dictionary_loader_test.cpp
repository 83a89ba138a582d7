#include "core/dictionary/dictionary_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "core/dictionary/diz_codec.h"
#include "temp_folder.h"

namespace quirvo {
namespace {

using testing::TempFolder;

int letter(char c) { return c - '@'; }

struct Loaded {
    LoadReport report;
    DictionarySet dicts;
};

Loaded load(const TempFolder& folder) {
    Loaded loaded;
    Progress progress;
    loaded.report = loadDictionaries(folder.path().string(), loaded.dicts, progress);
    return loaded;
}

std::vector<std::string> listing(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string() + ":" + std::to_string(entry.file_size()));
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DictionaryLoader, MissingBaseIsFatalAndTheNameMustMatchExactly) {
    TempFolder folder;
    folder.write("altro.diz", encodeDiz("ABACO\r\n"));
    folder.write("BASE.DIZ", encodeDiz("ABACO\r\n"));
    const Loaded loaded = load(folder);
    EXPECT_TRUE(loaded.report.fatal);
    EXPECT_EQ(loaded.report.fatalMessage, "... manca il dizionario obbligatorio: base.diz !");
    EXPECT_EQ(loaded.dicts.loadedCount(), 0);
}

TEST(DictionaryLoader, FillsSlotsBaseThenDizThenDicWithoutWritingAnything) {
    TempFolder folder;
    folder.write("b.dic", "CANE\r\nGATTO\r\n");
    folder.write("z.diz", encodeDiz("ZEBRA\r\n"));
    folder.write("a.diz", encodeDiz("ALFA\r\n"));
    folder.write("base.diz", encodeDiz("@BC\r\nCAS!\r\nROSS@\r\n"));
    folder.write("note.txt", "not a dictionary");
    const auto before = listing(folder);
    const Loaded loaded = load(folder);

    ASSERT_FALSE(loaded.report.fatal);
    EXPECT_TRUE(loaded.report.warnings.empty());
    const std::vector<std::string> names = {"", "base.diz", "a.diz", "z.diz", "b.dic", "", "", ""};
    for (int slot = 1; slot <= DICT_SLOTS; ++slot) {
        EXPECT_EQ(loaded.dicts[slot].dictFileName, names[slot]) << slot;
        EXPECT_EQ(loaded.dicts[slot].active, slot <= 4) << slot;
    }
    const Dictionary& base = loaded.dicts[1];
    EXPECT_EQ(base.dictText, "@BC\r\nCAS!\r\nROSS@\r\n");
    EXPECT_EQ(base.dictLetterStart[0], 1);
    EXPECT_EQ(base.dictLetterStart[letter('C')], 6);
    EXPECT_EQ(base.dictLetterStart[letter('R')], 12);
    EXPECT_EQ(loaded.dicts[4].dictText, "CANE\r\nGATTO\r\n");
    EXPECT_EQ(listing(folder), before);
}

TEST(DictionaryLoader, AnyBadDizIsFatal) {
    const std::string good = encodeDiz("ABACO\r\n");
    for (const std::string& bad : {good.substr(0, good.size() - 1), std::string(), std::string("ABACO\r\n"),
                                   good + "x"}) {
        TempFolder folder;
        folder.write("base.diz", good);
        folder.write("mio.diz", bad);
        folder.write("zeta.dic", "ZETA\r\n");
        const Loaded loaded = load(folder);
        EXPECT_TRUE(loaded.report.fatal);
        EXPECT_EQ(loaded.report.fatalMessage, "... errori nel richiamo dei dizionari *.diz !");
        EXPECT_EQ(loaded.report.fatalFile, "mio.diz");
        EXPECT_EQ(loaded.dicts.loadedCount(), 0);
    }
}

TEST(DictionaryLoader, MendsHandMadeListsSoEveryEntryIsIndexed) {
    TempFolder folder;
    folder.write("base.diz", encodeDiz("ABACO\r\n"));
    folder.write("cr.dic", "aceto\rbene\r\rzeta");
    folder.write("lf.dic", "# Mie parole\n ACETO \n\nBENE\nZZ");
    const Loaded loaded = load(folder);
    ASSERT_FALSE(loaded.report.fatal);
    const Dictionary& cr = loaded.dicts[2];
    EXPECT_EQ(cr.dictFileName, "cr.dic");
    EXPECT_EQ(cr.dictText, "ACETO\r\nBENE\r\nZETA\r\n");
    EXPECT_EQ(cr.dictLetterStart[letter('A')], 1);
    EXPECT_EQ(cr.dictLetterStart[letter('B')], 8);
    EXPECT_EQ(cr.dictLetterStart[letter('Z')], 14);
    const Dictionary& lf = loaded.dicts[3];
    EXPECT_EQ(lf.dictText, "# Mie parole\r\nACETO\r\nBENE\r\nZZ\r\n");
    EXPECT_EQ(lf.dictLetterStart[letter('A')], 15);
    EXPECT_EQ(lf.dictLetterStart[letter('Z')], 28);  // a short last line is indexed too
}

TEST(DictionaryLoader, IgnoresAnEighthFileWithOneWarning) {
    TempFolder folder;
    folder.write("base.diz", encodeDiz("ABACO\r\n"));
    for (char c = '1'; c <= '8'; ++c) folder.write(std::string("d") + c + ".dic", "CANE\r\n");
    folder.write("Mio.DIC", "CANE\r\n");
    const Loaded loaded = load(folder);
    ASSERT_FALSE(loaded.report.fatal);
    EXPECT_EQ(loaded.dicts.loadedCount(), 7);
    EXPECT_EQ(loaded.dicts[7].dictFileName, "d6.dic");
    EXPECT_TRUE(loaded.dicts[6].active);
    EXPECT_FALSE(loaded.dicts[7].active);
    const std::vector<std::string> expected = {
        "Il file Mio.DIC non è stato caricato: l'estensione dei dizionari va scritta in minuscolo (.diz o .dic).",
        "I dizionari d7.dic, d8.dic non sono stati caricati: si possono caricare al massimo sette dizionari.",
    };
    EXPECT_EQ(loaded.report.warnings, expected);
}

TEST(DictionaryLoader, ShowsFiveOutOfOrderEntriesThenOneSummary) {
    TempFolder folder;
    folder.write("base.diz", encodeDiz("CASA\r\nCANE\r\nAB\r\nAA\r\n"));
    folder.write("mio.dic", "ZETA\r\nBETA\r\nZETA\r\nALFA\r\nZETA\r\nGAMMA\r\nZETA\r\nDELTA\r\nZETA\r\nEPSILON\r\n");
    const Loaded loaded = load(folder);
    ASSERT_FALSE(loaded.report.fatal);
    const auto& warnings = loaded.report.warnings;
    ASSERT_EQ(warnings.size(), 6u);
    EXPECT_EQ(warnings[0], "Questa parola CANE è fuori sequenza\r\npuò compromettere la ricerca nel suo dizionario.");
    EXPECT_EQ(warnings[4], orderWarningText("DELTA"));
    EXPECT_EQ(warnings[5],
              "C'è un'altra parola fuori sequenza nel dizionario mio.dic.\r\n"
              "Per l'elenco completo usare il comando: quirvo-diz check mio.dic");
    EXPECT_EQ(orderSummaryText(12, {"base.diz", "mio.dic"}),
              "Ci sono altre 12 parole fuori sequenza nei dizionari base.diz, mio.dic.\r\n"
              "Per l'elenco completo usare il comando: quirvo-diz check base.diz mio.dic");
}

// A .diz is indexed while it is decoded; a .dic goes through mending and
// indexDictionary. The same text must give the same dictionary either way.
TEST(DictionaryLoader, DizAndDicOfTheSameTextLoadAlike) {
    std::mt19937 rng(11);
    const std::vector<std::string> pieces = {"ABACO", "ABATE", "CASA", "CAS!", "CANE", "ZETA", "@BC", "# nota",
                                             "'x",    "casa",  " DADO", "AB",   "",     "1UNO", "ROSS@", "ROSSANA"};
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> lines;
        for (int n = rng() % 12; n > 0; --n) lines.push_back(pieces[rng() % pieces.size()]);
        if (rng() % 2) std::sort(lines.begin(), lines.end());
        std::string text;
        for (const auto& line : lines) text += line + (rng() % 8 ? "\r\n" : "\n");

        TempFolder asDiz, asDic;
        asDiz.write("base.diz", encodeDiz(text));
        asDic.write("base.diz", encodeDiz("ABACO\r\n"));
        asDic.write("base.dic", text);
        const Loaded fromDiz = load(asDiz), fromDic = load(asDic);
        ASSERT_FALSE(fromDiz.report.fatal);
        const Dictionary &a = fromDiz.dicts[1], &b = fromDic.dicts[2];
        ASSERT_EQ(a.dictText, b.dictText) << ::testing::PrintToString(text);
        ASSERT_EQ(a.dictLetterStart, b.dictLetterStart) << ::testing::PrintToString(text);
        ASSERT_EQ(fromDiz.report.warnings.size(), fromDic.report.warnings.size()) << ::testing::PrintToString(text);
        for (size_t i = 0; i < fromDiz.report.warnings.size(); ++i)
            if (fromDiz.report.warnings[i].rfind("Questa parola", 0) == 0) {
                ASSERT_EQ(fromDiz.report.warnings[i], fromDic.report.warnings[i]);
            }
    }
}

TEST(DictionaryLoader, StopsWhenAskedAndLeavesNothingLoaded) {
    TempFolder folder;
    folder.write("base.diz", encodeDiz("ABACO\r\n"));
    DictionarySet dicts;
    Progress stop([] { return true; });
    const LoadReport report = loadDictionaries(folder.path().string(), dicts, stop);
    EXPECT_TRUE(report.stopped);
    EXPECT_FALSE(report.fatal);
    EXPECT_EQ(dicts.loadedCount(), 0);
}

}  // namespace
}  // namespace quirvo
