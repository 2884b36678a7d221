#include "platform/window/MouseTracking.h"

#include <QPointer>
#include <QTimer>

namespace layer {
namespace {

QPoint g_lastPointer;
QPointer<QWidget> g_lastPointerWidget;

} // namespace

QPoint LastPointerPosition() { return g_lastPointer; }
QWidget* LastPointerWidget() { return g_lastPointerWidget.data(); }

void NotePointer(QWidget* widget, const QPoint& globalPos)
{
    g_lastPointer = globalPos;
    g_lastPointerWidget = widget;
}

bool PointerIsOver(const WindowRecord* record)
{
    QWidget* client = record->client;
    if (!client || !client->isVisible()) {
        return false;
    }
    if (client->underMouse()) {
        return true;
    }
    // A newly shown window can receive its first move before the platform marks it as under the
    // pointer: the mouse event being handled went to it, so the pointer is over it.
    QWidget* last = LastPointerWidget();
    return last && (last == client || client->isAncestorOf(last)) &&
           client->rect().contains(client->mapFromGlobal(LastPointerPosition()));
}

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
