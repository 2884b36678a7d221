#pragma once
// The modal message box behind AfxMessageBox and CWnd::MessageBox (or the test handler instead).

#include "ui/platform/Types.h"

#include <string>

namespace layer {
// caption empty: the application's title.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);
} // namespace layer
