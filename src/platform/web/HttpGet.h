#pragma once
// One blocking HTTP/1.0 GET on plain sockets, for worker threads. It touches nothing but its own
// memory, the sockets it opens and the C library, so a worker still inside it while the program ends
// uses nothing that the end tears down.

#include "platform/web/UrlDownload.h"

#include <string>

namespace layer {

// GETs url (http://, through the environment's proxy when one applies) into body. S_OK only for a
// 2xx status with a complete body of at most limits.maxBytes, all within limits.timeoutMs.
HRESULT HttpGet(const std::string& url, const DownloadLimits& limits, std::string& body);

} // namespace layer
