#pragma once
// Where the pointer is: its last known position and the widget that last had a mouse event, as the
// hosts' events report them.

#include "platform/host/WindowRegistry.h"

namespace layer {

// The pointer's last known position (screen coordinates) and the widget that last had a mouse event.
QPoint LastPointerPosition();
QWidget* LastPointerWidget();
void NotePointer(QWidget* widget, const QPoint& globalPos);

// Whether the pointer is over the window's client area now.
bool PointerIsOver(const WindowRecord* record);

} // namespace layer
