#include "platform/web/UrlDownload.h"

#include "platform/core/Observer.h"
#include "platform/web/DownloadLoader.h"

#include <cstdio>
#include <string>

namespace {

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
    DownloadLimits limits;
    if (layer::Observer* observer = layer::CurrentObserver()) {
        if (HRESULT result = S_OK; observer->Downloads(szURL, szFileName, &result)) {
            return result;
        }
        observer->LimitDownload(&limits.timeoutMs, &limits.maxBytes);
    }
    const layer::DownloadFunction download = layer::LoadedDownload();
    if (!download) {
        return INET_E_DOWNLOAD_FAILURE;
    }
    std::string body;
    if (const HRESULT hr = download(szURL, &limits, &body); hr != S_OK) {
        return hr;
    }
    return WriteFile(szFileName, body) ? S_OK : E_ACCESSDENIED;
}
