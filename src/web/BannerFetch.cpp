#include "web/BannerFetch.h"

#include "ui/platform/Afx.h"
#include "web/BannerHostDlg.h"
#include "web/LinkTable.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

const std::string& BannerUrl()
{
    static const auto* url = new std::string([] {
        // For the whole-program test only, which serves the banner from a loopback server of its own.
        const char* testHost = std::getenv("VINTORA_TEST_BANNER_HOST");
        return testHost && *testHost ? RemoteBannerUrl(testHost) : RemoteBannerUrl();
    }());
    return *url;
}

std::string LocalBannerPath()
{
    std::string directory(516, '\0');
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data());
    if (length >= directory.size()) { // a longer path: ask again with the size it needs
        directory.resize(length);
        length = GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data());
    }
    directory.resize(length < directory.size() ? length : 0);
    return directory + static_cast<char>(std::filesystem::path::preferred_separator) + "Default.html";
}

bool FetchBanner(const std::string& url)
{
    char tempDir[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, tempDir);
    char file[MAX_PATH];
    if (length == 0 || length >= MAX_PATH || GetTempFileNameA(tempDir, "vba", 0, file) == 0) {
        return false;
    }
    const HRESULT result = URLDownloadToFileA(nullptr, url.c_str(), file, 0, nullptr);
    std::remove(file);
    return result == S_OK;
}

UINT BannerThreadProc(LPVOID pParam)
{
    if (FetchBanner(BannerUrl())) {
        PostMessageToObject<CBannerHostDlg>(pParam, WM_BANNER_NAVIGATE);
    }
    return 0;
}
