#pragma once
// What the controls do, by window: the control classes and the control messages (CB_*, BM_*, EM_SETSEL)
// share these.

#include "platform/host/WindowRegistry.h"

#include <string>

namespace layer {
// The host widget of a window when it is a W, else null.
template <class W>
W* WidgetOf(HWND hwnd)
{
    WindowRecord* rec = Find(hwnd);
    return rec ? dynamic_cast<W*>(rec->outer.data()) : nullptr;
}

// Buttons: BST_CHECKED or BST_UNCHECKED; setting raises no notification.
int ButtonGetCheck(HWND hwnd);
void ButtonSetCheck(HWND hwnd, int check);
// Combo boxes: indexes are zero-based; CB_ERR for a window that is no combo box. None of these notifies.
int ComboInsert(HWND hwnd, int index, const std::string& text); // -1 appends
int ComboAdd(HWND hwnd, const std::string& text);               // in collation order when sorted
int ComboSetCurSel(HWND hwnd, int index);
int ComboGetCurSel(HWND hwnd);
int ComboCount(HWND hwnd);
void ComboReset(HWND hwnd);
// Edits: selects [start, end) (end −1: to the end); start −1 removes the selection.
void EditSetSel(HWND hwnd, int start, int end);

// Answers a control message sent to a control; false when the message is not one of these.
bool ControlDefault(WindowRecord* rec, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
// The text a control shows (button caption, edit text, combo text; a static shows its text without access
// marks); false for other windows. The window text itself is kept in the record.
bool SetControlText(WindowRecord* rec, const QString& text);
// A static's text as shown: access marks ("&") are not shown.
QString DisplayText(const QString& text);
bool GetControlText(WindowRecord* rec, QString& text);
// A radio button or check box.
bool IsCheckButton(const WindowRecord* rec);
bool IsRadioButton(const WindowRecord* rec);
bool IsPushButton(const WindowRecord* rec);
} // namespace layer
