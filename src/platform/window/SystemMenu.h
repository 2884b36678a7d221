#pragma once
// The window's system menu shown as a popup (right click, Alt+Space); a chosen entry arrives as
// WM_SYSCOMMAND.

#include "platform/core/Types.h"

class QPoint;

namespace layer {
// Shows the window's system menu at a screen position.
void ShowSystemMenu(HWND hwnd, const QPoint& globalPos);
} // namespace layer
