#include "platform/window/Input.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/host/Pointer.h"
#include "platform/window/Dispatcher.h"
#include "platform/window/HostWidgets.h"
#include "platform/window/Wnd.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

namespace {
HCURSOR g_cursor = nullptr;
}

BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack)
{
    if (!lpEventTrack) {
        return FALSE;
    }
    layer::WindowRecord* rec = layer::Find(lpEventTrack->hwndTrack);
    if (!rec || !rec->client) {
        return FALSE;
    }
    const DWORD flags = lpEventTrack->dwFlags;
    if (flags & TME_CANCEL) {
        if (flags & TME_HOVER) {
            rec->trackHover = false;
        }
        if (flags & TME_LEAVE) {
            rec->trackLeave = false;
        }
        return TRUE;
    }
    const bool over = layer::PointerIsOver(rec);
    if (flags & TME_LEAVE) {
        if (over) {
            rec->trackLeave = true;
        } else {
            layer::Post(rec->hwnd, WM_MOUSELEAVE, 0, 0); // not over the window: the leave is due at once
        }
    }
    if ((flags & TME_HOVER) && over) {
        rec->hoverTimeMs = lpEventTrack->dwHoverTime == HOVER_DEFAULT ? 400 : static_cast<int>(lpEventTrack->dwHoverTime);
        rec->trackHover = true;
        layer::PointerMovedIn(rec);
    }
    return TRUE;
}

SHORT GetKeyState(int nVirtKey)
{
    Qt::KeyboardModifier modifier = Qt::NoModifier;
    switch (nVirtKey) {
    case VK_SHIFT:
        modifier = Qt::ShiftModifier;
        break;
    case VK_CONTROL:
        modifier = Qt::ControlModifier;
        break;
    case VK_MENU:
        modifier = Qt::AltModifier;
        break;
    default:
        return 0;
    }
    return layer::HeldModifiers() & modifier ? static_cast<SHORT>(0x8000) : 0;
}

HCURSOR LoadCursor(HINSTANCE, const char* lpCursorName)
{
    return layer::StandardCursor(static_cast<int>(reinterpret_cast<std::uintptr_t>(lpCursorName)));
}

HCURSOR SetCursor(HCURSOR hCursor)
{
    const HCURSOR previous = g_cursor ? g_cursor : LoadCursor(nullptr, IDC_ARROW);
    g_cursor = hCursor;
    // The cursor shows over the window that has the pointer now.
    if (QWidget* widget = layer::LastPointerWidget()) {
        if (const layer::IconObject* c = layer::AsIcon(hCursor)) {
            widget->setCursor(c->isCursor ? QCursor(c->shape) : QCursor(c->pixmap));
        } else {
            widget->setCursor(Qt::BlankCursor);
        }
    }
    return previous;
}

HCURSOR GetCursor() { return g_cursor ? g_cursor : LoadCursor(nullptr, IDC_ARROW); }

BOOL GetCursorPos(LPPOINT lpPoint)
{
    if (!lpPoint) {
        return FALSE;
    }
    const QPoint p = layer::LastPointerPosition();
    *lpPoint = POINT{p.x(), p.y()};
    return TRUE;
}

int GetSystemMetrics(int nIndex)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    switch (nIndex) {
    case SM_CXSCREEN:
        return screen ? screen->geometry().width() : 0;
    case SM_CYSCREEN:
        return screen ? screen->geometry().height() : 0;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return layer::kScrollBarWidth;
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    default:
        return 0;
    }
}

// What drives the hover and leave requests

namespace layer {

void PointerMovedIn(WindowRecord* record)
{
    if (!record->trackHover || !record->client) {
        return;
    }
    if (!record->hoverTimer) {
        record->hoverTimer = new QTimer(record->client);
        record->hoverTimer->setSingleShot(true);
        const HWND hwnd = record->hwnd;
        QObject::connect(record->hoverTimer, &QTimer::timeout, [hwnd] {
            WindowRecord* r = Find(hwnd);
            if (!r || !r->trackHover || !r->client) {
                return;
            }
            r->trackHover = false;
            const QPoint pos = r->client->mapFromGlobal(LastPointerPosition());
            ::SendMessage(hwnd, WM_MOUSEHOVER, 0, MAKELPARAM(pos.x(), pos.y()));
        });
    }
    record->hoverTimer->start(record->hoverTimeMs); // restarted by every move: the pointer must rest
}

void PointerLeft(WindowRecord* record)
{
    if (record->hoverTimer) {
        record->hoverTimer->stop();
    }
    record->trackHover = false;
    if (record->trackLeave) {
        record->trackLeave = false;
        ::SendMessage(record->hwnd, WM_MOUSELEAVE);
    }
}

} // namespace layer
