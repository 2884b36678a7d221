#include "ui/platform/Services.h"

#include "ui/platform/MessageBoxes.h"
#include "ui/platform/Resources.h"
#include "ui/platform/WinApp.h"
#include "ui/platform/WindowRegistry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include <cstring>
#include <filesystem>
#include <mutex>
#include <thread>

namespace {

std::mutex g_handlerMutex;
MessageBoxHandler g_messageBoxHandler;
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

namespace layer {

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    MessageBoxHandler handler;
    {
        const std::lock_guard lock(g_handlerMutex);
        handler = g_messageBoxHandler;
    }
    if (handler) {
        return handler(text, type);
    }
    if (!QApplication::instance()) {
        return IDOK;
    }
    const std::string title = !caption.empty() ? caption : AfxGetApp() ? AfxGetApp()->GetAppTitle() : ExecutablePath();
    QWidget* parent = nullptr;
    if (WindowRecord* rec = Find(owner); rec && rec->outer) {
        parent = rec->outer->window();
    } else {
        parent = QApplication::activeWindow();
    }
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    switch (type & 0xF0) {
    case MB_ICONHAND:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONEXCLAMATION:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONASTERISK:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    switch (type & 0x0F) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDOK;
    }
}

} // namespace layer

int AfxMessageBox(const std::string& text, UINT nType, UINT)
{
    return layer::ShowMessageBox(nullptr, text, {}, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    return AfxMessageBox(AfxLoadString(nIDPrompt), nType, nIDHelp);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    const std::lock_guard lock(g_handlerMutex);
    return std::exchange(g_messageBoxHandler, std::move(handler));
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT, DWORD dwCreateFlags,
                           void*)
{
    if (!pfnThreadProc) {
        return nullptr;
    }
    auto* thread = new CWinThread();
    thread->m_pfnThreadProc = pfnThreadProc;
    thread->m_pThreadParams = pParam;
    thread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED)) {
        thread->ResumeThread();
    }
    return thread;
}

BOOL CWinThread::SetThreadPriority(int nPriority)
{
    m_nPriority = nPriority;
    return TRUE;
}

DWORD CWinThread::ResumeThread()
{
    if (m_bStarted || !m_pfnThreadProc) {
        return 0;
    }
    m_bStarted = true;
    // The object may be gone as soon as the thread runs: nothing here touches it after the start.
    std::thread([this] {
        m_nThreadID = static_cast<DWORD>(std::hash<std::thread::id>{}(std::this_thread::get_id()));
        m_pfnThreadProc(m_pThreadParams);
        if (m_bAutoDelete) {
            delete this;
        }
    }).detach(); // nobody waits for a worker, as on the classic desktop
    return 1;
}

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
