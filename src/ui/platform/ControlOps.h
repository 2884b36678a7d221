#pragma once
// What the controls do, by window: the control classes and the control messages (CB_*, BM_*, EM_SETSEL)
// share these.

#include "ui/platform/WindowRegistry.h"

namespace layer {
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
