#pragma once
// The keys that dialogs and forms handle (Tab, Enter, Escape) and moving the focus between tab stops. A
// window has one Tab loop: the controls of the child dialogs and forms inside it stand in it in their
// places, and a radio group is one stop.

#include "platform/core/Types.h"

class CWnd;

namespace layer {
// Handles a key-down aimed at `dialog` or a window inside it; TRUE when handled.
BOOL HandleDialogKey(CWnd* dialog, MSG* pMsg);
// Moves the focus to the next (previous) tab stop inside the window: a visible, enabled WS_TABSTOP
// control or a radio group's checked button, those of child dialogs and forms included.
void MoveDialogFocus(HWND dialog, bool forward);
// Focuses a control as the dialog keys do: an edit's text is selected.
void FocusControl(HWND control);
} // namespace layer
