#include "core/dictionary/viewer_lists.h"

#include <gtest/gtest.h>

#include "core/dictionary/dictionary_scan.h"

namespace quirvo {
namespace {

std::vector<std::string> lines(const ViewerList& list) {
    std::vector<std::string> out;
    for (size_t k = 0; k < list.size(); ++k) out.push_back(list.line(k));
    return out;
}

TEST(ViewerLists, BaseIsSplitAtMWithGuidesAndExpandedSymbols) {
    const Dictionary base = makeDictionary("base.diz", "'nota\r\nCAS!\r\n  CANE \r\n\r\nMARE\r\n#x\r\nROSS@");
    const ViewerLists lists = buildViewerLists(base, true);
    EXPECT_EQ(lists.count, 4);
    EXPECT_EQ(lines(lists.first),
              (std::vector<std::string>{"CAS(AE)", "CANE", "...per proseguire premere  M-Z=> "}));
    EXPECT_EQ(lines(lists.second), (std::vector<std::string>{"...per tornare all'inizio premere  A-L<= ",
                                                             "MARE", "ROSS(AEIO)"}));
}

TEST(ViewerLists, OtherDictionariesAreListedAsTheyStand) {
    const Dictionary personal = makeDictionary("mie.dic", "CAS!\r\nZETA\r\n");
    const ViewerLists lists = buildViewerLists(personal, false);
    EXPECT_EQ(lines(lists.first), (std::vector<std::string>{"CAS!", "ZETA"}));
    EXPECT_EQ(lists.second.size(), 0u);
}

TEST(ViewerLists, SearchFindsBracketedFormsPrefixesAndTheEnd) {
    const Dictionary base = makeDictionary("base.diz", "CANE\r\nCAS!\r\nCASTO\r\nDADO\r\n");
    const ViewerList list = std::move(buildViewerLists(base, true).first);
    EXPECT_EQ(list.find("CASE"), 1);  // CAS(AE) stands for CASE
    EXPECT_EQ(list.find("CA"), 0);
    EXPECT_EQ(list.find("CASU"), 1);  // so does every four-letter CAS.
    EXPECT_EQ(list.find("CASTORO"), 3);
    EXPECT_EQ(list.find("ZZZ"), 3);
    EXPECT_EQ(list.find(""), 0);
}

}  // namespace
}  // namespace quirvo
