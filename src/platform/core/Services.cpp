#include "platform/core/Services.h"

#include "platform/core/Observer.h"
#include "platform/core/Resources.h"
#include "platform/core/TextBuffer.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QDesktopServices>
#include <QUrl>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>

#include <stdlib.h>
#include <unistd.h>

namespace {

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
    if (layer::Observer* observer = layer::CurrentObserver(); observer && observer->OpensUrl(url)) {
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

DWORD GetModuleFileNameA(HMODULE, char* lpFilename, DWORD nSize)
{
    const std::string path = ExecutablePath();
    if (path.empty() || !lpFilename || nSize == 0) {
        return 0;
    }
    return static_cast<DWORD>(layer::CopyText(path, lpFilename, static_cast<int>(std::min<DWORD>(nSize, INT_MAX))));
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

BOOL SetClipboardText(const std::string& text)
{
    QClipboard* clipboard = QGuiApplication::instance() ? QGuiApplication::clipboard() : nullptr;
    if (!clipboard) {
        return FALSE;
    }
    clipboard->setText(QString::fromStdString(text));
    return TRUE;
}

int LoadStringA(HINSTANCE, UINT nID, char* lpBuffer, int cchBufferMax)
{
    return layer::CopyText(FindStringResource(static_cast<int>(nID)), lpBuffer, cchBufferMax);
}

std::string AfxLoadString(UINT nID) { return std::string(FindStringResource(static_cast<int>(nID))); }
