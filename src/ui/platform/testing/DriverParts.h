#pragma once
// What the parts of the test driver share (Qt inside, so only the driver's own sources include it).

#include "ui/platform/Wnd.h"

#include <QWidget>

namespace uitest {
// The client widget of the control `id` of the window (id 0: the window itself), or null.
QWidget* WidgetOf(CWnd* window, int id);
// The Qt key of a classic key code; Qt::Key_unknown when there is none.
Qt::Key QtKey(UINT vk);
} // namespace uitest
