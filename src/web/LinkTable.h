#pragma once
// The publisher's web hosts and the addresses the program opens or fetches. The host names are
// build settings (VINTORA_MAIN_HOST, VINTORA_COMMUNITY_HOST, VINTORA_SHOP_HOST).

#include <string>
#include <string_view>

std::string_view MainHost();
std::string_view CommunityHost();
std::string_view ShopHost();

// The five outbound links: the skin's logo and the link buttons IDC_DIARY to IDC_MALL
// (res/Resource.h).
enum class LinkId { Logo, Diary, Body, Relay, Mall };

// The link's address: every link goes through the shop host's hit counter,
// "http://<shop>/showevent/foreign/sethit.asp?forg=<tag>&urldata=<target>", with the target's
// own address, query included, written out unencoded. Empty for a value outside LinkId.
std::string LinkUrl(LinkId link);

// The banner page fetched once per run: "http://<main host>/channel/helper/calorie_banner.html".
std::string RemoteBannerUrl();
