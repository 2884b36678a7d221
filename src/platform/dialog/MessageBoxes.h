#pragma once
// The modal message box behind AfxMessageBox. An observer (Observer.h) may answer it in the box's place.

#include "platform/core/Messages.h" // the answers IDOK, IDCANCEL, IDYES, IDNO

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

// A modal box with the application's title, an OK button and (by default) an exclamation icon; IDOK.
int AfxMessageBox(const std::string& text, UINT nType = MB_OK | MB_ICONEXCLAMATION, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK | MB_ICONEXCLAMATION, UINT nIDHelp = 0); // string resource
