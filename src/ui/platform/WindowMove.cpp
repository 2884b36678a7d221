#include "ui/platform/WindowMove.h"

#include "ui/platform/MouseTracking.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

namespace layer {

void StartWindowMove(HWND hwnd)
{
    WindowRecord* top = TopLevelOf(Find(hwnd));
    if (!top || !top->outer || !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        return;
    }
    QWindow* window = top->outer->windowHandle();
    if (window && window->startSystemMove()) {
        return;
    }
    top->manualMove = true;
    top->moveGrabOffset = LastPointerPosition() - top->outer->frameGeometry().topLeft();
}

bool FollowWindowMove(WindowRecord* record, const QMouseEvent* event)
{
    if (WindowRecord* top = TopLevelOf(record); top && top->manualMove) {
        if (event->type() == QEvent::MouseMove && (event->buttons() & Qt::LeftButton)) {
            top->outer->move(event->globalPosition().toPoint() - top->moveGrabOffset);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease || !(event->buttons() & Qt::LeftButton)) {
            top->manualMove = false;
            return true;
        }
    }
    return false;
}

} // namespace layer
