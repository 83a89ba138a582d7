// quirvo-diz driven through its binary, as a user runs it.
#include <gtest/gtest.h>

#include "../dictionary/temp_folder.h"
#include "run_cli.h"
#include "core/dictionary/diz_codec.h"

namespace quirvo {
namespace {

using testing::TempFolder;
using namespace std::string_literals;

using testing::CliRun;

CliRun quirvoDiz(const std::string& arguments) { return testing::runQuirvoDiz(arguments); }

std::string quoted(const std::string& path) { return "'" + path + "'"; }

TEST(QuirvoDiz, BuildDumpAndCheckAUtf8WordList) {
    TempFolder folder;
    folder.write("parole.txt", "rosso\nRossa\nrossi\nrosse\ncittà\nperché\nl'acqua\ncasa\ncase\nzucca\n");
    const CliRun built = quirvoDiz("build --vowel-sets --out " + quoted(folder.file("mio.diz")) + " " +
                                quoted(folder.file("parole.txt")));
    ASSERT_EQ(built.status, 0);
    const std::string expected = "CAS!\r\nCITTA\r\nPERCHE\r\nROSS@\r\nZUCCA\r\n";
    const CliRun dumped = quirvoDiz("dump " + quoted(folder.file("mio.diz")));
    EXPECT_EQ(dumped.status, 0);
    EXPECT_EQ(dumped.out, expected);
    EXPECT_EQ(quirvoDiz("check " + quoted(folder.file("mio.diz"))).status, 0);

    // The dump fed back into build gives the same dictionary, byte for byte.
    folder.write("dump.txt", dumped.out);
    ASSERT_EQ(quirvoDiz("build --vowel-sets --out " + quoted(folder.file("again.diz")) + " " +
                        quoted(folder.file("dump.txt"))).status, 0);
    EXPECT_EQ(folder.read("again.diz"), folder.read("mio.diz"));

    ASSERT_EQ(quirvoDiz("build --out " + quoted(folder.file("mio.dic")) + " " + quoted(folder.file("parole.txt")) +
                        " --exclude " + quoted(folder.file("mio.diz"))).status, 0);
    EXPECT_EQ(folder.read("mio.dic"), "");
    const CliRun stdoutPlain = quirvoDiz("build --max-length 5 " + quoted(folder.file("parole.txt")));
    EXPECT_EQ(stdoutPlain.out, "CASA\r\nCASE\r\nCITTA\r\nROSSA\r\nROSSE\r\nROSSI\r\nROSSO\r\nZUCCA\r\n");
}

TEST(QuirvoDiz, PackKeepsEveryByte) {
    TempFolder folder;
    const std::string odd = "# nota\rabc\n\r\n\xe0\xff\0ZZ  \r\nCAS!"s;
    folder.write("odd.dic", odd);
    ASSERT_EQ(quirvoDiz("pack " + quoted(folder.file("odd.dic")) + " " + quoted(folder.file("odd.diz"))).status, 0);
    const DizDecodeResult decoded = decodeDiz(folder.read("odd.diz"));
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.text, odd);
    // dump shows it as the program loads it.
    EXPECT_EQ(quirvoDiz("dump " + quoted(folder.file("odd.diz"))).out,
              "# nota\r\nABC\r\n\xe0\xff\0ZZ\r\nCAS!\r\n"s);
}

TEST(QuirvoDiz, CheckAndDumpReportBadFiles) {
    TempFolder folder;
    folder.write("bad.dic", "CASA\r\nCANE\r\nzeta\r\n");
    const CliRun checked = quirvoDiz("check " + quoted(folder.file("bad.dic")));
    EXPECT_EQ(checked.status, 1);
    EXPECT_NE(checked.out.find("bad.dic:2: out of order"), std::string::npos) << checked.out;
    EXPECT_NE(checked.out.find("bad.dic:3: lower-case"), std::string::npos) << checked.out;

    folder.write("broken.diz", encodeDiz("CASA\r\n").substr(0, 20));
    EXPECT_EQ(quirvoDiz("dump " + quoted(folder.file("broken.diz"))).status, 1);
    EXPECT_EQ(quirvoDiz("check " + quoted(folder.file("broken.diz"))).status, 1);
    EXPECT_EQ(quirvoDiz("dump " + quoted(folder.file("missing.diz"))).status, 2);
}

TEST(QuirvoDiz, EveryVerbHasHelpAndRefusesBadArguments) {
    for (const std::string verb : {"build", "pack", "dump", "check"}) {
        const CliRun help = quirvoDiz(verb + " --help");
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind("Usage: quirvo-diz " + verb, 0), 0u) << help.out;
    }
    EXPECT_EQ(quirvoDiz("build").status, 2);
    EXPECT_EQ(quirvoDiz("build --out x.txt in.txt").status, 2);
    EXPECT_EQ(quirvoDiz("build --min-length many in.txt").status, 2);
    EXPECT_EQ(quirvoDiz("pack only-one").status, 2);
    EXPECT_EQ(quirvoDiz("nonsense").status, 2);
}

}  // namespace
}  // namespace quirvo
