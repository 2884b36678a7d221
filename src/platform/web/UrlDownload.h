#pragma once
// Downloads for worker threads: URLDownloadToFileA blocks the calling thread until the whole answer
// is in or the download has failed, and writes the file only when it succeeded. Plain http only (the
// program fetches nothing else); the environment's http_proxy / no_proxy are honoured, loopback
// addresses never go through a proxy. A download that takes longer than the time-out, sends a body
// over the size limit or answers with a status outside 2xx fails. An observer (Observer.h) may take the
// download in the network's place, or shorten its limits.

#include "platform/core/Types.h"

#include <string>

using HRESULT = LONG;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);     // not an http:// address
constexpr HRESULT E_ACCESSDENIED = static_cast<HRESULT>(0x80070005u);   // the file cannot be written
constexpr HRESULT INET_E_CANNOT_CONNECT = static_cast<HRESULT>(0x800C0004u);
constexpr HRESULT INET_E_RESOURCE_NOT_FOUND = static_cast<HRESULT>(0x800C0005u); // no such host
constexpr HRESULT INET_E_DOWNLOAD_FAILURE = static_cast<HRESULT>(0x800C0008u);   // status, size, broken answer
constexpr HRESULT INET_E_CONNECTION_TIMEOUT = static_cast<HRESULT>(0x800C000Bu);

struct IUnknown;
struct IBindStatusCallback;

// Fetches szURL into the file szFileName (created or replaced). pCaller, dwReserved and lpfnCB are
// accepted for the classic shape and not used: there is no progress report. S_OK on success; on
// failure the file is left as it was.
HRESULT URLDownloadToFileA(IUnknown* pCaller, const char* szURL, const char* szFileName, DWORD dwReserved,
                           IBindStatusCallback* lpfnCB);

struct DownloadLimits {
    int timeoutMs = 10'000;              // for everything: connecting, sending, the whole answer
    std::size_t maxBytes = 1024 * 1024;  // of the body
};

