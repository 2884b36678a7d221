#include "web/OpenLink.h"

#include "ui/platform/Services.h"
#include "ui/platform/Styles.h"

void OpenLink(LinkId link)
{
    const std::string url = LinkUrl(link);
    ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOW);
}
