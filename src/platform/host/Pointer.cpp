#include "platform/host/Pointer.h"

#include <QPointer>

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

} // namespace layer
