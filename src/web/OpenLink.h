#pragma once
// Opens one of the five outbound links in the user's default browser.

#include "web/LinkTable.h"

// One shell "open" of the link's address, with no owner window; its outcome is not looked at.
void OpenLink(LinkId link);
