#pragma once
// What the parts of the test driver share (Qt inside, so only the driver's own sources include it).

#include "platform/window/Wnd.h"

#include <QTest>
#include <QWidget>

namespace uitest {
// The client widget of the control `id` of the window (id 0: the window itself), or null.
QWidget* WidgetOf(CWnd* window, int id);
// The Qt key of a classic key code; Qt::Key_unknown when there is none.
Qt::Key QtKey(UINT vk);
// A key press or release where the keyboard is now: the open popup's focused widget, else the focus window
// (and from there its focused widget), with the characters it types.
void SendFocusedKey(QTest::KeyAction action, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers);
} // namespace uitest
