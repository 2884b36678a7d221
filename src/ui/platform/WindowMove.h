#pragma once
// Moving a top-level window with the pointer (WM_NCLBUTTONDOWN on HTCAPTION, the system menu's move): the
// window manager's own move, or, where it refuses (a bare X server), the layer's while the button is held.

#include "ui/platform/WindowRegistry.h"

class QMouseEvent;

namespace layer {
// Starts moving the top-level window of hwnd with the pointer.
void StartWindowMove(HWND hwnd);
// While the layer moves a window itself, a mouse event of any window in it belongs to the move: the window
// follows the pointer until the button is released. Answers true when the event was the move's.
bool FollowWindowMove(WindowRecord* record, const QMouseEvent* event);
} // namespace layer
