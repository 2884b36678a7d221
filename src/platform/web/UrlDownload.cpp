#include "platform/web/UrlDownload.h"

#include "platform/web/HttpGet.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace {

// Never destroyed: a worker may still be downloading while the program ends and runs static destructors.
struct DownloadSettings {
    std::mutex mutex;
    DownloadLimits limits;
    DownloadHandler handler;
};

DownloadSettings& Settings()
{
    static auto* settings = new DownloadSettings;
    return *settings;
}

bool WriteFile(const char* fileName, const std::string& data)
{
    std::FILE* file = std::fopen(fileName, "wb");
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

HRESULT URLDownloadToFileA(IUnknown*, const char* szURL, const char* szFileName, DWORD, IBindStatusCallback*)
{
    if (!szURL || !szFileName || !*szFileName) {
        return E_INVALIDARG;
    }
    DownloadHandler handler;
    DownloadLimits limits;
    {
        const std::lock_guard lock(Settings().mutex);
        handler = Settings().handler;
        limits = Settings().limits;
    }
    if (handler) {
        return handler(szURL, szFileName);
    }
    std::string body;
    if (const HRESULT hr = layer::HttpGet(szURL, limits, body); hr != S_OK) {
        return hr;
    }
    return WriteFile(szFileName, body) ? S_OK : E_ACCESSDENIED;
}

DownloadLimits SetDownloadLimits(DownloadLimits limits)
{
    const std::lock_guard lock(Settings().mutex);
    return std::exchange(Settings().limits, limits);
}

DownloadHandler SetDownloadHandler(DownloadHandler handler)
{
    const std::lock_guard lock(Settings().mutex);
    return std::exchange(Settings().handler, std::move(handler));
}
