// The definizioni verb of quirvo-diz, driven through the binary over a
// program folder with its own word facts.
#include <gtest/gtest.h>

#include "../dictionary/temp_folder.h"
#include "../support/clue_facts.h"
#include "core/dictionary/diz_codec.h"
#include "run_cli.h"

namespace quirvo {
namespace {

using testing::TempFolder;

TEST(DefinizioniVerb, PrintsTheSuggestionsOfEveryWholeWordInInsightOrder) {
    TempFolder folder;
    const testing::ClueFacts facts;
    std::string base;
    for (const std::string& w : facts.words()) base += w + "\r\n";
    folder.write("base.diz", encodeDiz(base));
    folder.write(FACTS_FILE_NAME, facts.bytes());
    // RM across; CA down in the last column; the first column's R? has an empty cell.
    folder.write("schema.qrv", "3,3\r\n\"RM\x10\"\r\n\"?\x10" "C\"\r\n\"\x10\x10" "A\"\r\n");
    const testing::CliRun run =
        testing::runQuirvoDiz("definizioni --dir '" + folder.path().string() + "' '" + folder.file("schema.qrv") + "'");
    EXPECT_EQ(run.status, 0);
    const std::string rm =
        "{\"slots\": [{\"row\": 0, \"col\": 0, \"dir\": \"across\", \"word\": \"RM\", \"suggestions\": ["
        "{\"kind\": \"sigla\", \"text\": \"Sigla di Roma\"}, {\"kind\": \"sigla\", \"text\": \"Targa di Roma\"}, "
        "{\"kind\": \"consonants\", \"text\": \"Le consonanti di Roma\", \"source\": \"Roma\"}, "
        "{\"kind\": \"alternate\", \"text\": \"Le dispari di Roma\", \"source\": \"Roma\"}]}, ";
    EXPECT_EQ(run.out.substr(0, rm.size()), rm) << run.out;
    EXPECT_NE(run.out.find("{\"row\": 1, \"col\": 2, \"dir\": \"down\", \"word\": \"CA\", \"suggestions\": ["
                           "{\"kind\": \"half\", \"text\": \"Metà di casa\", \"source\": \"CASA\"}"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("\"R?\""), std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.size() - 3), "]}\n");

    EXPECT_EQ(testing::runQuirvoDiz("definizioni --dir").status, 2);
    EXPECT_EQ(testing::runQuirvoDiz("definizioni '" + folder.file("manca.qrv") + "'").status, 1);
}

}  // namespace
}  // namespace quirvo
