#include "web/OpenLink.h"

#include "platform/core/Services.h"
#include "platform/core/Styles.h"

void OpenLink(LinkId link)
{
    const std::string url = LinkUrl(link);
    ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOW);
}
