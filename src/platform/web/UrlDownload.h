#pragma once
// Downloads for worker threads: URLDownloadToFileA blocks the calling thread until the whole answer
// is in or the download has failed, and writes the file only when it succeeded. It speaks http and
// https (the server's certificate checked against the system's store), follows up to five redirects
// between them, takes the proxy from the environment (http_proxy, https_proxy, no_proxy) and tries a
// host's IPv6 and IPv4 addresses side by side. It succeeds when the last answer, after the redirects, has
// a 2xx status; a download that takes longer than the time-out or sends a body over the size limit
// fails. The work is done by libcurl in a module of the layer that is loaded once the program's first
// frame is on the screen (DownloadLoader.h): a download asked for earlier on a worker waits for it. An
// observer (Observer.h) may take the download in the network's place, or shorten its limits.

#include "platform/core/Types.h"

#include <cstddef>

using HRESULT = LONG;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);     // not an http:// or https:// address
constexpr HRESULT E_ACCESSDENIED = static_cast<HRESULT>(0x80070005u);   // the file cannot be written
constexpr HRESULT INET_E_CANNOT_CONNECT = static_cast<HRESULT>(0x800C0004u);
constexpr HRESULT INET_E_RESOURCE_NOT_FOUND = static_cast<HRESULT>(0x800C0005u); // no such host
constexpr HRESULT INET_E_DOWNLOAD_FAILURE = static_cast<HRESULT>(0x800C0008u);   // status, size, broken answer
constexpr HRESULT INET_E_CONNECTION_TIMEOUT = static_cast<HRESULT>(0x800C000Bu);
constexpr HRESULT INET_E_SECURITY_PROBLEM = static_cast<HRESULT>(0x800C000Eu);   // the certificate, TLS
constexpr HRESULT INET_E_REDIRECT_FAILED = static_cast<HRESULT>(0x800C0014u);    // more than five redirects

struct IUnknown;
struct IBindStatusCallback;

// Fetches szURL into the file szFileName (created or replaced). pCaller, dwReserved and lpfnCB are
// accepted for the classic shape and not used: there is no progress report. S_OK on success; on
// failure the file is left as it was.
HRESULT URLDownloadToFileA(IUnknown* pCaller, const char* szURL, const char* szFileName, DWORD dwReserved,
                           IBindStatusCallback* lpfnCB);

struct DownloadLimits {
    int timeoutMs = 10'000;              // for everything: connecting, redirects, the whole answer
    std::size_t maxBytes = 1024 * 1024;  // of the body
};
