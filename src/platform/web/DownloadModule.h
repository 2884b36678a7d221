#pragma once
// The download module of the layer (vintora_download): libcurl's blocking easy interface behind two
// functions. It is a library of its own that the layer loads after the program's first frame
// (DownloadLoader.h): linked into the program, libcurl and the thirty libraries under it would add about
// a fifth to the time to that frame.

#include "platform/web/UrlDownload.h"

#include <string>

extern "C" {
// libcurl's global set-up: once, on the user-interface thread, before any download. False when it failed
// and no download can be made.
bool VintoraPrepareDownloads();
// GETs url into body as URLDownloadToFileA describes (UrlDownload.h): S_OK for a 2xx answer after at
// most five redirects, with a body of at most limits->maxBytes, all within limits->timeoutMs.
HRESULT VintoraDownload(const char* url, const DownloadLimits* limits, std::string* body);
}
