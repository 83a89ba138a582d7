#include "core/tools/thesaurus_data.h"

#include <gtest/gtest.h>

namespace quirvo {
namespace {

TEST(ThesaurusListings, EachWordFindsTheHeadwordsThatListIt) {
    const ThesaurusListings listings(
        "UTF-8\n"
        "canoa|2\n(s.f.)|kayak|piroga\n(s.f.)|barca\n"
        "città|1\n(s.f.inv.)|metropoli|urbe\n"
        "nave|1\n(s.f.)|barca|piroscafo\n"
        "rotto|x\n(agg.)|guasto\n"
        "dopo|1\n(avv.)|poi\n");
    ASSERT_EQ(listings.meaningCount(), 4u);  // reading stops at the damaged count
    const std::vector<Meaning> piroga = listings.listing("PIROGA");
    ASSERT_EQ(piroga.size(), 1u);
    EXPECT_EQ(piroga[0].tag, "(s.f.)");
    EXPECT_EQ(piroga[0].synonyms, (std::vector<std::string>{"canoa", "kayak"}));
    const std::vector<Meaning> barca = listings.listing("BARCA");
    ASSERT_EQ(barca.size(), 2u);
    EXPECT_EQ(barca[1].synonyms, (std::vector<std::string>{"nave", "piroscafo"}));
    EXPECT_EQ(listings.listing("URBE")[0].synonyms.front(), "città");
    EXPECT_TRUE(listings.listing("POI").empty());
    EXPECT_TRUE(listings.listing("CANOA").empty());
}

}  // namespace
}  // namespace quirvo
