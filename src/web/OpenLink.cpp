#include "web/OpenLink.h"

#include "platform/core/Services.h"
#include "platform/core/Styles.h"

#include <strings.h>

void OpenInBrowser(const std::string& url)
{
    if (strncasecmp(url.c_str(), "http://", 7) == 0 || strncasecmp(url.c_str(), "https://", 8) == 0) {
        ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOW);
    }
}

void OpenLink(LinkId link) { OpenInBrowser(LinkUrl(link)); }
