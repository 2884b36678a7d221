#pragma once
// What the controls do, by window: the control classes and the control messages (CB_*, BM_*, EM_SETSEL)
// share these.

#include "ui/platform/WindowRegistry.h"

namespace layer {
// Answers a control message sent to a control; false when the message is not one of these.
bool ControlDefault(WindowRecord* rec, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
// The text a control shows (button caption, edit text, combo text, static text); false for other windows.
bool SetControlText(WindowRecord* rec, const QString& text);
bool GetControlText(WindowRecord* rec, QString& text);
// A radio button or check box.
bool IsCheckButton(const WindowRecord* rec);
bool IsRadioButton(const WindowRecord* rec);
bool IsPushButton(const WindowRecord* rec);
} // namespace layer
