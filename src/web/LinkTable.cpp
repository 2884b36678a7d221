#include "web/LinkTable.h"

#include <optional>

// Set by the build for this file only (src/web/CMakeLists.txt).
#if !defined(VINTORA_MAIN_HOST) || !defined(VINTORA_COMMUNITY_HOST) || !defined(VINTORA_SHOP_HOST)
#error "the build defines the three web host names"
#endif

namespace {

struct LinkTarget {
    std::string_view tag;
    std::string_view host;
    std::string_view path; // with its query
};

std::optional<LinkTarget> TargetOf(LinkId link)
{
    switch (link) {
    case LinkId::Logo:
        return LinkTarget{"callogo", MainHost(), "/"};
    case LinkId::Diary:
        return LinkTarget{"callogo", CommunityHost(), "/channel/channel_list.asp?bid=DY0101"};
    case LinkId::Body:
        return LinkTarget{"calbody", CommunityHost(), "/gallery/self_photo.asp?bid=A02002"};
    case LinkId::Relay:
        return LinkTarget{"calrelay", MainHost(), "/relay/relay_introduction.asp"};
    case LinkId::Mall:
        return LinkTarget{"calmall", ShopHost(), "/"};
    }
    return std::nullopt;
}

std::string HttpUrl(std::string_view host, std::string_view path)
{
    std::string url = "http://";
    url += host;
    url += path;
    return url;
}

} // namespace

std::string_view MainHost()
{
    return VINTORA_MAIN_HOST;
}

std::string_view CommunityHost()
{
    return VINTORA_COMMUNITY_HOST;
}

std::string_view ShopHost()
{
    return VINTORA_SHOP_HOST;
}

std::string LinkUrl(LinkId link)
{
    const std::optional<LinkTarget> target = TargetOf(link);
    if (!target)
        return {};
    std::string url = HttpUrl(ShopHost(), "/showevent/foreign/sethit.asp?forg=");
    url += target->tag;
    url += "&urldata=";
    url += HttpUrl(target->host, target->path);
    return url;
}

std::string RemoteBannerUrl()
{
    return HttpUrl(MainHost(), "/channel/helper/calorie_banner.html");
}
