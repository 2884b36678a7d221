#pragma once
// Making the host widgets of windows and controls, and the controls of a dialog template.

#include "platform/core/DialogTemplate.h"
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
// The controls of a template, in order, inside a window; radio groups formed as the template says.
void CreateTemplateControls(HWND parent, const DialogTemplate& dialogTemplate);
// Shows a newly created window whose style has WS_VISIBLE (WM_SHOWWINDOW first).
void ShowIfVisibleStyle(HWND hwnd);
// Whether a window kind is a control (as opposed to a window, dialog or form).
bool IsControl(WindowKind kind);

} // namespace layer
