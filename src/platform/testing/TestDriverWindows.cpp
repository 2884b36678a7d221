// The test driver's view of the windows on screen: shown children, rectangles across windows, the open
// popup, restoring a minimised window, and the window's icon (TestDriver.h).

#include "platform/testing/TestDriver.h"

#include "platform/host/WindowRegistry.h"
#include "platform/window/Wnd.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <algorithm>

namespace uitest {
namespace {

QtMessageHandler g_beforeQuiet = nullptr;

void DropPointerWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && (message.contains(QLatin1String("occurs outside target window")) ||
                                 message.startsWith(QLatin1String("This plugin does not support")))) {
        return;
    }
    if (g_beforeQuiet) {
        g_beforeQuiet(type, context, message);
    }
}

QWidget* ClientWidgetOf(CWnd* window)
{
    layer::WindowRecord* rec = window ? layer::Find(window->m_hWnd) : nullptr;
    return rec ? rec->client.data() : nullptr;
}

// The rectangle of `widget` (its whole area) in the coordinates of `client`, which shares its top-level window.
CRect RectOfWidgetIn(QWidget* client, QWidget* widget)
{
    if (!client || !widget || client->window() != widget->window()) {
        return {};
    }
    const QPoint tl = widget->mapTo(client->window(), QPoint(0, 0)) - client->mapTo(client->window(), QPoint(0, 0));
    return CRect(CPoint(tl.x(), tl.y()), CSize(widget->width(), widget->height()));
}

} // namespace

std::vector<CWnd*> VisibleChildren(CWnd* window)
{
    std::vector<CWnd*> children;
    layer::WindowRecord* rec = window ? layer::Find(window->m_hWnd) : nullptr;
    if (!rec) {
        return children;
    }
    for (layer::WindowRecord* child : layer::ChildrenOf(rec->hwnd)) {
        if (child->wnd && child->outer && child->outer->isVisible()) {
            children.push_back(child->wnd);
        }
    }
    return children;
}

CRect RectIn(CWnd* window, CWnd* descendant)
{
    layer::WindowRecord* rec = descendant ? layer::Find(descendant->m_hWnd) : nullptr;
    return rec ? RectOfWidgetIn(ClientWidgetOf(window), rec->outer) : CRect();
}

CRect PopupRect(CWnd* window)
{
    QWidget* client = ClientWidgetOf(window);
    QWidget* popup = QApplication::activePopupWidget();
    if (!client || !popup || !popup->isVisible()) {
        return {};
    }
    // A popup is a window of its own: its place on the screen, seen from the window's client area.
    const QPoint tl = client->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0)));
    return CRect(CPoint(tl.x(), tl.y()), CSize(popup->width(), popup->height()));
}

QuietPointerWarnings::QuietPointerWarnings() { g_beforeQuiet = qInstallMessageHandler(DropPointerWarnings); }

QuietPointerWarnings::~QuietPointerWarnings() { qInstallMessageHandler(g_beforeQuiet); }

bool ReturnActivationFromClosedPopup(CWnd* window)
{
    layer::WindowRecord* top = layer::TopLevelOf(window ? layer::Find(window->m_hWnd) : nullptr);
    QWindow* focus = QGuiApplication::focusWindow();
    if (!top || !top->outer || QApplication::activePopupWidget() || !focus || focus->isVisible() ||
        focus->type() != Qt::Popup) {
        return false;
    }
    // The window's own handle: the widget counts itself active while a popup of its own is (a closed one too).
    QWindow* handle = top->outer->windowHandle();
    handle->requestActivate();
    return WaitUntil([handle] { return QGuiApplication::focusWindow() == handle; });
}

bool RestoreFromTaskbar(CWnd* window)
{
    layer::WindowRecord* top = layer::TopLevelOf(window ? layer::Find(window->m_hWnd) : nullptr);
    QWindow* handle = top && top->outer ? top->outer->windowHandle() : nullptr;
    if (!handle) {
        return false;
    }
    // The task bar asks the window system, which restores the window and gives it the activation.
    handle->setWindowStates(handle->windowStates() & ~Qt::WindowMinimized);
    handle->requestActivate();
    return WaitUntil([window] { return !window->IsIconic(); }) && QTest::qWaitForWindowActive(handle);
}

std::vector<int> WindowIconSizes(CWnd* window)
{
    layer::WindowRecord* top = layer::TopLevelOf(window ? layer::Find(window->m_hWnd) : nullptr);
    std::vector<int> sizes;
    if (top && top->outer) {
        for (const QSize& size : top->outer->windowIcon().availableSizes()) {
            sizes.push_back(size.width());
        }
    }
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

} // namespace uitest
