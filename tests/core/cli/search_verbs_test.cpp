// The search and cross verbs of quirvo-diz, driven through the binary over a
// program folder of their own.
#include <gtest/gtest.h>

#include "../dictionary/temp_folder.h"
#include "run_cli.h"
#include "core/dictionary/diz_codec.h"

namespace quirvo {
namespace {

using testing::TempFolder;

testing::CliRun quirvoDiz(const TempFolder& folder, const std::string& arguments) {
    return testing::runQuirvoDiz(arguments + " --dir '" + folder.path().string() + "'");
}

std::string list(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// base.diz, a second .diz and a plain .dic, each sorted.
void fillFolder(const TempFolder& folder) {
    folder.write("base.diz", encodeDiz(list({"CAS!", "CASA", "CASSA", "COSA", "OR", "OSA", "PA", "PAO", "PASTA", "PRESA",
                                             "SRL", "TR"})));
    folder.write("altro.diz", encodeDiz(list({"AB\"", "CAS!", "CASE"})));
    folder.write("parole.dic", "CAFF\xC8\r\nCASO\r\n");
}

TEST(SearchVerb, PrintsTheListAsTheWindowShowsItAsJson) {
    TempFolder folder;
    fillFolder(folder);
    testing::CliRun run = quirvoDiz(folder, "search 'C?SA'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{\"lines\": [\"CAS! -2\", \"CASA -1\", \"CASA -1\", \"COSA -1\"], \"panel2\": \" =4 \", "
                       "\"panel3\": \" \"}\n");
    run = quirvoDiz(folder, "search cas?");
    EXPECT_EQ(run.out, "{\"lines\": [\"CAS! -2\", \"CAS(AE) -1\", \"CASA -1\", \"CASE -2\", \"CASO -3\"], "
                       "\"panel2\": \" =5 \", \"panel3\": \" \"}\n");
    // Dictionary bytes come out as UTF-8, quotes escaped.
    EXPECT_EQ(quirvoDiz(folder, "search 'CAFF?'").out,
              "{\"lines\": [\"CAFF\xC3\x88 -3\"], \"panel2\": \" =1 \", \"panel3\": \" \"}\n");
    EXPECT_EQ(quirvoDiz(folder, "search 'AB?'").out,
              "{\"lines\": [\"AB\\\" -2\"], \"panel2\": \" =1 \", \"panel3\": \" \"}\n");
    EXPECT_EQ(quirvoDiz(folder, "search --off 2,3 'CAS?'").out,
              "{\"lines\": [\"CAS(AE) -1\", \"CASA -1\"], \"panel2\": \" =2 \", \"panel3\": \" \"}\n");
}

TEST(SearchVerb, FreeEndsAndTheAutomaticFreeTail) {
    TempFolder folder;
    fillFolder(folder);
    EXPECT_EQ(quirvoDiz(folder, "search --head '???SA'").out,
              "{\"lines\": [\"  OSA -1\", \" CAS! -2\", \" CASA -1\", \" CASA -1\", \" COSA -1\", \"CASSA -1\", "
              "\"PRESA -1\"], \"panel2\": \" =7 \", \"panel3\": \" \"}\n");
    EXPECT_EQ(quirvoDiz(folder, "search --tail 'CA?S?'").out,
              "{\"lines\": [], \"panel2\": \" Lunghezza Libera in Coda \", \"panel3\": \" Richiesta errata! \"}\n");
    EXPECT_EQ(quirvoDiz(folder, "search --off 2,3 --tail 'CAS?\?'").out,
              "{\"lines\": [\"CAS(AE) -1\", \"CASA -1\", \"CASSA -1\"], \"panel2\": \" =3 \", \"panel3\": \" \"}\n");
    // "Lunghezza Libera" retries a fruitless search as a free tail.
    EXPECT_EQ(quirvoDiz(folder, "search --off 2,3 'PAST?\?'").out,
              "{\"lines\": [\"PASTA -1\"], \"panel2\": \" =1 \", \"panel3\": \" \"}\n");
    EXPECT_EQ(quirvoDiz(folder, "search --no-libera 'PAST?\?'").out,
              "{\"lines\": [], \"panel2\": \" nessuno \", \"panel3\": \" \"}\n");
    // A two-cell slot cannot take a free tail: the retry is refused.
    EXPECT_EQ(quirvoDiz(folder, "search 'C?'").out,
              "{\"lines\": [], \"panel2\": \" Lunghezza Libera in Coda \", \"panel3\": \" Richiesta errata! \"}\n");
    EXPECT_EQ(quirvoDiz(folder, "search CASA").out,
              "{\"lines\": [], \"panel2\": \" \", \"panel3\": \" Richiesta errata! \"}\n");
}

TEST(SearchVerb, TheCapAndRicercaEstesa) {
    TempFolder folder;
    std::vector<std::string> many;
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = 'A'; b <= 'Z'; ++b) many.push_back(std::string("M") + a + b);
    folder.write("base.diz", encodeDiz(list(many)));
    const testing::CliRun capped = quirvoDiz(folder, "search 'M?\?'");
    EXPECT_NE(capped.out.find("\"MBX -1\"]"), std::string::npos);  // the 50th in file order
    EXPECT_NE(capped.out.find("\" =50 \""), std::string::npos);
    EXPECT_NE(quirvoDiz(folder, "search --estesa 'M?\?'").out.find("\" =676 \""), std::string::npos);
}

TEST(CrossVerb, ListsTheFittingLettersWithTheirNotes) {
    TempFolder folder;
    fillFolder(folder);
    testing::CliRun run = quirvoDiz(folder, "cross --off 2,3 'PA#?\?' '#R?'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{\"lines\": [\"O (Oriz.-2 / Vert.-1)\", \"S\"], \"panel2\": \" =2 \", \"panel3\": \" \"}\n");
    EXPECT_EQ(quirvoDiz(folder, "cross --off 2,3 --vowels 'PA#?\?' '#R?'").out,
              "{\"lines\": [\"O (Oriz.-2 / Vert.-1)\"], \"panel2\": \" =1 \", \"panel3\": \" \"}\n");
    EXPECT_EQ(quirvoDiz(folder, "cross --no-libera 'PA#?\?' '#R?'").out,
              "{\"lines\": [\"S\"], \"panel2\": \" =1 \", \"panel3\": \" \"}\n");
    EXPECT_EQ(quirvoDiz(folder, "cross 'PA#?\?' '#?\?'").out,
              "{\"lines\": [], \"panel2\": \" \", \"panel3\": \" errore CASELLA \"}\n");
}

TEST(SearchVerbs, RefuseBadArgumentsAndAFolderWithoutBaseDiz) {
    TempFolder folder;
    fillFolder(folder);
    EXPECT_EQ(quirvoDiz(folder, "search").status, 2);
    EXPECT_EQ(quirvoDiz(folder, "search 'C#SA'").status, 2);
    EXPECT_EQ(quirvoDiz(folder, "search --head --tail 'C?SA'").status, 2);
    EXPECT_EQ(quirvoDiz(folder, "search --off 1 'C?SA'").status, 2);
    EXPECT_EQ(quirvoDiz(folder, "search --off 5 'C?SA'").status, 2);
    EXPECT_EQ(quirvoDiz(folder, "cross 'PA?' '#R?'").status, 2);
    EXPECT_EQ(quirvoDiz(folder, "cross 'PA#' '#R#'").status, 2);
    EXPECT_EQ(quirvoDiz(folder, "search --help").status, 0);
    TempFolder empty;
    const testing::CliRun run = quirvoDiz(empty, "search 'C?SA'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace quirvo
