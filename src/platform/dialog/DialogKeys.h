#pragma once
// The keys that dialogs and forms handle (Tab, Enter, Escape) and moving the focus between tab stops.

#include "platform/core/Types.h"

class CWnd;

namespace layer {
// Handles a key-down aimed at `dialog` or a window inside it; TRUE when handled.
BOOL HandleDialogKey(CWnd* dialog, MSG* pMsg);
// Moves the focus to the next (previous) visible, enabled WS_TABSTOP control of the dialog.
void MoveDialogFocus(HWND dialog, bool forward);
// Focuses a control as the dialog keys do: an edit's text is selected.
void FocusControl(HWND control);
} // namespace layer
