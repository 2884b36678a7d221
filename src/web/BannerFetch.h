#pragma once
// The remote banner: its address, the fetch that tells whether it can be reached now, and the worker
// thread that switches the strip to it when it can.

#include "platform/core/Types.h"

#include <string>

// The remote banner page on the publisher's main host. Never destroyed: the worker may still read it
// while the program ends.
const std::string& BannerUrl();

// The local banner page: the current directory (the program's own, set at start) and "Default.html",
// joined with the platform's separator. When no such file is there, the installed copy in the data
// folder (<datadir>/vintora, beside the program's <bindir>, else at its absolute install path) if it
// exists; failing both, the path in the current directory all the same.
std::string LocalBannerPath();

// Fetches url into a file of its own in the temporary-files directory and removes the file again:
// true exactly when the download succeeded. Nothing reads the copy.
bool FetchBanner(const std::string& url);

// The banner worker; pParam is the banner host's window (its HWND). When the fetch succeeds it posts
// WM_BANNER_NAVIGATE to that window, which the user-interface thread delivers only while the window
// lives: a handle is never reused, so a later window cannot receive it. Answers 0.
UINT BannerThreadProc(LPVOID pParam);
