#pragma once
// Services of the desktop: message boxes, threads, opening URLs, paths and string resources.
// Tests replace the message box and the URL opener with handlers that record and answer at once.

#include "ui/platform/Types.h"

#include <functional>
#include <string>

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_ICONHAND = 0x00000010;
constexpr UINT MB_ICONERROR = 0x00000010;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONWARNING = 0x00000030;
constexpr UINT MB_ICONASTERISK = 0x00000040;
constexpr UINT MB_ICONINFORMATION = 0x00000040;

constexpr int THREAD_PRIORITY_LOWEST = -2;
constexpr int THREAD_PRIORITY_BELOW_NORMAL = -1;
constexpr int THREAD_PRIORITY_NORMAL = 0;
constexpr int THREAD_PRIORITY_ABOVE_NORMAL = 1;
constexpr int THREAD_PRIORITY_HIGHEST = 2;
constexpr DWORD CREATE_SUSPENDED = 0x00000004;
constexpr DWORD MAX_PATH = 260;

// A modal box with the application's title, an OK button and (by default) an exclamation icon; IDOK.
int AfxMessageBox(const std::string& text, UINT nType = MB_OK | MB_ICONEXCLAMATION, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK | MB_ICONEXCLAMATION, UINT nIDHelp = 0); // string resource
using MessageBoxHandler = std::function<int(const std::string& text, UINT type)>;
// Replaces the modal box (null restores it); answers the previous handler.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

class CWinThread;
using AFX_THREADPROC = UINT (*)(LPVOID);
// A real thread running pfnThreadProc(pParam), started at once (unless CREATE_SUSPENDED). The returned
// object deletes itself when the thread ends (m_bAutoDelete).
CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                           UINT nStackSize = 0, DWORD dwCreateFlags = 0, void* lpSecurityAttrs = nullptr);

// Opens a URL (or file) in the desktop's default application; FALSE when the desktop refuses.
BOOL ShellOpen(const std::string& url);
// The shell's "open" verb: a value above 32 on success, as the classic call answers.
HINSTANCE ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile, const char* lpParameters,
                        const char* lpDirectory, int nShowCmd);
using ShellOpenHandler = std::function<void(const std::string& url)>;
ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler); // null restores the desktop

// The executable's full path (hModule null); the length copied, nSize − 1 at most, 0 on failure.
DWORD GetModuleFileNameA(HMODULE hModule, char* lpFilename, DWORD nSize);
BOOL SetCurrentDirectoryA(const char* lpPathName);
// The current directory into lpBuffer; its length, or the size needed (with the 0) when too small.
DWORD GetCurrentDirectoryA(DWORD nBufferLength, char* lpBuffer);
// The temporary-files directory with a trailing separator; as GetCurrentDirectoryA.
DWORD GetTempPathA(DWORD nBufferLength, char* lpBuffer);

// String resource nID (UTF-8); its length, 0 when missing. Copies at most cchBufferMax − 1 bytes and a 0.
int LoadStringA(HINSTANCE hInstance, UINT nID, char* lpBuffer, int cchBufferMax);
std::string AfxLoadString(UINT nID); // empty when missing
