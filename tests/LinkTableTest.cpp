#include <gtest/gtest.h>

#include "web/LinkTable.h"

// The host names come from the build's settings (see this test's registration).
#define SHOP_HIT "http://" VINTORA_SHOP_HOST "/showevent/foreign/sethit.asp?forg="

namespace {

TEST(LinkTable, HostsAreTheBuildSettings)
{
    EXPECT_EQ(MainHost(), VINTORA_MAIN_HOST);
    EXPECT_EQ(CommunityHost(), VINTORA_COMMUNITY_HOST);
    EXPECT_EQ(ShopHost(), VINTORA_SHOP_HOST);
    EXPECT_FALSE(MainHost().empty());
}

TEST(LinkTable, EveryLinkGoesThroughTheShopsHitCounterWithItsTargetUnencoded)
{
    struct Case {
        LinkId link;
        const char* url;
    };
    const Case cases[] = {
        {LinkId::Logo, SHOP_HIT "callogo&urldata=http://" VINTORA_MAIN_HOST "/"},
        {LinkId::Diary,
         SHOP_HIT "callogo&urldata=http://" VINTORA_COMMUNITY_HOST "/channel/channel_list.asp?bid=DY0101"},
        {LinkId::Body,
         SHOP_HIT "calbody&urldata=http://" VINTORA_COMMUNITY_HOST "/gallery/self_photo.asp?bid=A02002"},
        {LinkId::Relay, SHOP_HIT "calrelay&urldata=http://" VINTORA_MAIN_HOST "/relay/relay_introduction.asp"},
        {LinkId::Mall, SHOP_HIT "calmall&urldata=http://" VINTORA_SHOP_HOST "/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LinkUrl(c.link), c.url);
    EXPECT_EQ(LinkUrl(static_cast<LinkId>(99)), "");
}

TEST(LinkTable, RemoteBannerOnTheMainHost)
{
    EXPECT_EQ(RemoteBannerUrl(), "http://" VINTORA_MAIN_HOST "/channel/helper/calorie_banner.html");
}

} // namespace
