#pragma once
// Opens addresses in the user's default browser: the five outbound links, and what the banner's page
// asks to open in a new window.

#include "web/LinkTable.h"

#include <string>

// One shell "open" of url, with no owner window, when it is a web address (http:// or https://); any
// other (a local file, a script, another program's scheme) is not opened. The outcome is not looked at.
void OpenInBrowser(const std::string& url);

// OpenInBrowser with the link's address.
void OpenLink(LinkId link);
