#include "platform/core/Services.h"

#include "platform/core/Resources.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include <cstring>
#include <filesystem>
#include <mutex>

#include <stdlib.h>
#include <unistd.h>

namespace {

std::mutex g_handlerMutex;
ShellOpenHandler g_shellOpenHandler;

DWORD CopyPath(const std::string& path, DWORD size, char* buffer)
{
    const auto needed = static_cast<DWORD>(path.size() + 1);
    if (!buffer || size < needed) {
        return needed;
    }
    std::memcpy(buffer, path.c_str(), needed);
    return needed - 1;
}

std::string ExecutablePath()
{
    if (QCoreApplication::instance()) {
        return QCoreApplication::applicationFilePath().toStdString();
    }
    std::error_code ec;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : path.string();
}

} // namespace

BOOL ShellOpen(const std::string& url)
{
    ShellOpenHandler handler;
    {
        const std::lock_guard lock(g_handlerMutex);
        handler = g_shellOpenHandler;
    }
    if (handler) {
        handler(url);
        return TRUE;
    }
    return QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(url)));
}

HINSTANCE ShellExecuteA(HWND, const char* lpOperation, const char* lpFile, const char*, const char*, int)
{
    constexpr std::uintptr_t kFileNotFound = 2;
    constexpr std::uintptr_t kNoAssociation = 31;
    constexpr std::uintptr_t kSuccess = 42;
    if (!lpFile || !*lpFile) {
        return reinterpret_cast<HINSTANCE>(kFileNotFound);
    }
    if (lpOperation && std::strcmp(lpOperation, "open") != 0) {
        return reinterpret_cast<HINSTANCE>(kNoAssociation);
    }
    return reinterpret_cast<HINSTANCE>(ShellOpen(lpFile) ? kSuccess : kNoAssociation);
}

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler)
{
    const std::lock_guard lock(g_handlerMutex);
    return std::exchange(g_shellOpenHandler, std::move(handler));
}

DWORD GetModuleFileNameA(HMODULE, char* lpFilename, DWORD nSize)
{
    const std::string path = ExecutablePath();
    if (path.empty() || !lpFilename || nSize == 0) {
        return 0;
    }
    const DWORD n = std::min<DWORD>(static_cast<DWORD>(path.size()), nSize - 1);
    std::memcpy(lpFilename, path.data(), n);
    lpFilename[n] = '\0';
    return n;
}

BOOL SetCurrentDirectoryA(const char* lpPathName)
{
    if (!lpPathName) {
        return FALSE;
    }
    std::error_code ec;
    std::filesystem::current_path(lpPathName, ec);
    return !ec;
}

DWORD GetCurrentDirectoryA(DWORD nBufferLength, char* lpBuffer)
{
    std::error_code ec;
    const auto path = std::filesystem::current_path(ec);
    return ec ? 0 : CopyPath(path.string(), nBufferLength, lpBuffer);
}

DWORD GetTempPathA(DWORD nBufferLength, char* lpBuffer)
{
    std::error_code ec;
    std::string path = std::filesystem::temp_directory_path(ec).string();
    if (ec) {
        path = "/tmp";
    }
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return CopyPath(path, nBufferLength, lpBuffer);
}

UINT GetTempFileNameA(const char* lpPathName, const char* lpPrefixString, UINT uUnique, char* lpTempFileName)
{
    if (!lpPathName || !*lpPathName || !lpTempFileName || uUnique != 0) {
        return 0;
    }
    std::string name = lpPathName;
    if (name.back() != '/') {
        name += '/';
    }
    name += std::string(lpPrefixString ? lpPrefixString : "").substr(0, 3) + "XXXXXX.tmp";
    if (name.size() >= MAX_PATH) {
        return 0;
    }
    const int fd = ::mkstemps(name.data(), 4);
    if (fd < 0) {
        return 0;
    }
    ::close(fd);
    std::memcpy(lpTempFileName, name.c_str(), name.size() + 1);
    return 1;
}

int LoadStringA(HINSTANCE, UINT nID, char* lpBuffer, int cchBufferMax)
{
    const std::string_view text = FindStringResource(static_cast<int>(nID));
    if (!lpBuffer || cchBufferMax <= 0) {
        return 0;
    }
    const int n = std::min(static_cast<int>(text.size()), cchBufferMax - 1);
    if (n > 0) {
        std::memcpy(lpBuffer, text.data(), static_cast<size_t>(n));
    }
    lpBuffer[n] = '\0';
    return n;
}

std::string AfxLoadString(UINT nID) { return std::string(FindStringResource(static_cast<int>(nID))); }
