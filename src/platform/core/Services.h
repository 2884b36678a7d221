#pragma once
// Services of the desktop: opening URLs, paths and string resources. An observer (Observer.h) may take
// the URLs in the desktop's place.

#include "platform/core/Types.h"

#include <string>

constexpr DWORD MAX_PATH = 260;

// Opens a URL (or file) in the desktop's default application; FALSE when the desktop refuses.
BOOL ShellOpen(const std::string& url);
// The shell's "open" verb: a value above 32 on success, as the classic call answers.
HINSTANCE ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile, const char* lpParameters,
                        const char* lpDirectory, int nShowCmd);

// The executable's full path (hModule null); the length copied, nSize − 1 at most, 0 on failure.
DWORD GetModuleFileNameA(HMODULE hModule, char* lpFilename, DWORD nSize);
BOOL SetCurrentDirectoryA(const char* lpPathName);
// The current directory into lpBuffer; its length, or the size needed (with the 0) when too small.
DWORD GetCurrentDirectoryA(DWORD nBufferLength, char* lpBuffer);
// The temporary-files directory with a trailing separator; as GetCurrentDirectoryA.
DWORD GetTempPathA(DWORD nBufferLength, char* lpBuffer);
// Creates a new empty file "<prefix, 3 characters at most><random>.tmp" in lpPathName and copies its
// name into lpTempFileName (MAX_PATH bytes); nonzero on success, 0 when the file cannot be made.
// uUnique must be 0: the layer always makes a new file.
UINT GetTempFileNameA(const char* lpPathName, const char* lpPrefixString, UINT uUnique, char* lpTempFileName);

// Puts plain text (UTF-8) on the desktop's clipboard; FALSE when there is no clipboard.
BOOL SetClipboardText(const std::string& text);

// String resource nID (UTF-8); its length, 0 when missing. Copies at most cchBufferMax − 1 bytes and a 0.
int LoadStringA(HINSTANCE hInstance, UINT nID, char* lpBuffer, int cchBufferMax);
std::string AfxLoadString(UINT nID); // empty when missing
