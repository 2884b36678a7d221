#include "platform/host/WindowMove.h"

#include "platform/host/Pointer.h"

#include <QMouseEvent>
#include <QWindow>

namespace layer {
namespace {

using Stage = PointerMove::Stage;

// Puts the window where the pointer at `pointer` takes it: the press point stays under the pointer.
void FollowPointer(WindowRecord* top, const QPoint& pointer)
{
    top->outer->move(top->move.windowAt + (pointer - top->move.pressedAt));
}

} // namespace

void StartWindowMove(HWND hwnd)
{
    WindowRecord* top = TopLevelOf(Find(hwnd));
    if (!top || !top->outer || top->move.stage != Stage::Pressed) {
        return;
    }
    // The window manager's move starts from where its window last saw the pointer: ask it only while that is
    // still the press, else the way the pointer has come since would be lost.
    QWindow* window = top->outer->windowHandle();
    if (LastPointerPosition() == top->move.pressedAt && window && window->startSystemMove()) {
        top->move.stage = Stage::WindowManager;
        return;
    }
    top->move.stage = Stage::Layer;
    FollowPointer(top, LastPointerPosition());
}

void MoveFromCaptionPress(HWND hwnd)
{
    WindowRecord* top = TopLevelOf(Find(hwnd));
    if (top && top->outer && top->move.stage == Stage::Released) {
        top->move.stage = Stage::None;
        FollowPointer(top, top->move.releasedAt);
        return;
    }
    StartWindowMove(hwnd);
}

bool TrackWindowMove(WindowRecord* record, const QMouseEvent* event)
{
    WindowRecord* top = TopLevelOf(record);
    if (!top || !top->outer) {
        return false;
    }
    PointerMove& move = top->move;
    const QPoint pointer = event->globalPosition().toPoint();
    const bool left = event->button() == Qt::LeftButton;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (left) {
            move = PointerMove{Stage::Pressed, pointer, top->outer->pos(), {}};
        }
        return false;
    case QEvent::MouseMove:
        if (move.stage == Stage::Layer) {
            if (event->buttons() & Qt::LeftButton) {
                FollowPointer(top, pointer);
            } else {
                move.stage = Stage::None; // the release went elsewhere
            }
            return true;
        }
        if (move.stage == Stage::WindowManager && !(event->buttons() & Qt::LeftButton)) {
            move.stage = Stage::None; // the window manager's move is over
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (!left) {
            return false;
        }
        switch (move.stage) {
        case Stage::Pressed:
            move.stage = Stage::Released;
            move.releasedAt = pointer;
            return false;
        case Stage::WindowManager:
            // The window manager never took the pointer (the button was up before it could): the window has
            // not moved, and the layer moves it by the whole way.
            move.stage = Stage::None;
            if (top->outer->pos() == move.windowAt) {
                FollowPointer(top, pointer);
            }
            return true;
        case Stage::Layer:
            move.stage = Stage::None;
            FollowPointer(top, pointer);
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

} // namespace layer
