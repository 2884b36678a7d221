#pragma once
// Making the host widgets of windows, dialogs and forms (the controls: ControlFactory.h).

#include "platform/host/WindowRegistry.h"

#include <QRect>

namespace layer {

// A window, dialog or form: the record, its client widget and, when the client is inset (WS_BORDER frame
// line, a scroll view's bar), an outer frame. rect is the outer rectangle in the parent's client
// coordinates (children) or on the screen (top-level windows). Sets wnd->m_hWnd.
WindowRecord* MakeWindow(CWnd* wnd, WindowKind kind, DWORD style, DWORD exStyle, const QRect& rect, HWND parent,
                         int id, bool scrollable, const std::string& title);
// The outer size for a wanted client size (adds the frame line).
QSize OuterSizeFor(DWORD style, QSize client);
// Shows a newly created window whose style has WS_VISIBLE (WM_SHOWWINDOW first).
void ShowIfVisibleStyle(HWND hwnd);

} // namespace layer
