#include "platform/testing/Flick.h"

#include "platform/testing/DriverParts.h"
#include "platform/testing/TestDriver.h"

#include <QTest>
#include <QWindow>

namespace uitest {
namespace {

// One pointer event at a screen point, handled at once by the window under test without processing
// anything posted meanwhile.
void Deliver(QWindow* window, QPoint global, Qt::MouseButtons buttons, Qt::MouseButton button, QEvent::Type type)
{
    QTest::lastMouseTimestamp += 1;
    qt_handleMouseEvent(window, window->mapFromGlobal(global), global, buttons, button, type, Qt::NoModifier,
                        QTest::lastMouseTimestamp);
}

} // namespace

bool Flick(CWnd* window, CPoint from, CPoint to, FlickAnswer answer)
{
    QWidget* w = WidgetOf(window, 0);
    QWindow* top = w && w->isVisible() ? w->window()->windowHandle() : nullptr;
    if (!top) {
        return false;
    }
    const QPoint start = w->mapToGlobal(QPoint(from.x, from.y));
    const QPoint end = start + QPoint(to.x - from.x, to.y - from.y);
    QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval; // no double click with an earlier press
    Deliver(top, start, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    if (answer == FlickAnswer::AfterPress) {
        ProcessEvents();
    }
    Deliver(top, end, Qt::LeftButton, Qt::NoButton, QEvent::MouseMove);
    if (answer == FlickAnswer::AfterMove) {
        ProcessEvents();
    }
    Deliver(top, end, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
    ProcessEvents();
    return true;
}

} // namespace uitest
