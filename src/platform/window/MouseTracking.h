#pragma once
// The pointer bookkeeping behind _TrackMouseEvent, driven by the hosts' events: where the pointer was last
// seen, whether it is over a window, and the hover timer that rests with it.

#include "platform/host/WindowRegistry.h"

namespace layer {

// The pointer's last known position (screen coordinates) and the widget that last had a mouse event.
QPoint LastPointerPosition();
QWidget* LastPointerWidget();
void NotePointer(QWidget* widget, const QPoint& globalPos);

// Whether the pointer is over the window's client area now.
bool PointerIsOver(const WindowRecord* record);
// The pointer moved over the window: a hover request waits for it to rest there.
void PointerMovedIn(WindowRecord* record);
// The pointer left the window: a pending hover is dropped and a leave request answered.
void PointerLeft(WindowRecord* record);

} // namespace layer
