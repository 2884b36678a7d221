#include "web/BannerFetch.h"

#include "platform/Afx.h"
#include "web/BannerHostDlg.h"
#include "web/LinkTable.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

// Set by the build: the installed data folder, relative to the executable's and absolute.
#if !defined(VINTORA_DATA_DIR_FROM_BINDIR) || !defined(VINTORA_DATA_INSTALL_DIR)
#error "the build names the installed data folder"
#endif

const std::string& BannerUrl()
{
    static const auto* url = new std::string(RemoteBannerUrl());
    return *url;
}

namespace {

constexpr char kLocalBannerFile[] = "Default.html";

std::string CurrentDirectory()
{
    std::string directory(516, '\0');
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data());
    if (length >= directory.size()) { // a longer path: ask again with the size it needs
        directory.resize(length);
        length = GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data());
    }
    directory.resize(length < directory.size() ? length : 0);
    return directory;
}

bool IsFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

std::string LocalBannerPath()
{
    const std::string directory = CurrentDirectory();
    const std::string beside =
        directory + static_cast<char>(std::filesystem::path::preferred_separator) + kLocalBannerFile;
    if (IsFile(beside)) {
        return beside;
    }
    // An installed program keeps its data apart from the executable, in <datadir>/vintora: found from
    // the program's directory, else where the build installed it.
    const std::filesystem::path fromProgram = std::filesystem::path(directory) / VINTORA_DATA_DIR_FROM_BINDIR;
    const std::string installed[] = {
        (fromProgram / kLocalBannerFile).lexically_normal().string(),
        (std::filesystem::path(VINTORA_DATA_INSTALL_DIR) / kLocalBannerFile).string(),
    };
    for (const std::string& path : installed) {
        if (IsFile(path)) {
            return path;
        }
    }
    return beside;
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
        ::PostMessage(static_cast<HWND>(pParam), WM_BANNER_NAVIGATE, 0, 0);
    }
    return 0;
}
