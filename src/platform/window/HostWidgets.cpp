#include "platform/window/HostWidgets.h"

#include "platform/gdi/DcState.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/window/Dispatcher.h"
#include "platform/window/Wnd.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QStyleOptionButton>
#include <QStyleOptionViewItem>
#include <QHeaderView>

#include <algorithm>
#include <unordered_map>

namespace layer {

// Host

namespace {

std::unordered_map<const QObject*, Host*>& Hosts()
{
    static auto* hosts = new std::unordered_map<const QObject*, Host*>;
    return *hosts;
}

} // namespace

Host::Host(QWidget* self) : m_self(self) { Hosts()[self] = this; }
Host::~Host() { Hosts().erase(m_self); }

bool Host::ControlMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }
bool Host::SetShownText(const QString&) { return false; }
bool Host::GetShownText(QString&) const { return false; }
QAccessibleInterface* Host::CreateAccessible() { return nullptr; }

Host* HostOf(const WindowRecord* record) { return record ? HostAt(record->outer.data()) : nullptr; }

Host* HostAt(const QObject* object)
{
    const auto it = Hosts().find(object);
    return it == Hosts().end() ? nullptr : it->second;
}

// WindowAccessible

QAccessible::Role WindowAccessible::role() const
{
    const QWidget* host = widget();
    if (!host->isWindow()) {
        return QAccessible::Client;
    }
    return host->parentWidget() ? QAccessible::Dialog : QAccessible::Window;
}

// WindowHost

WindowHost::WindowHost(QWidget* parent) : QWidget(parent), Host(this)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent); // the window paints all of its client area itself
}

QAccessibleInterface* WindowHost::CreateAccessible() { return new WindowAccessible(this); }

bool WindowHost::event(QEvent* e)
{
    return HostEvent(this, hwnd, e, [this, e] { return QWidget::event(e); });
}

void WindowHost::paintEvent(QPaintEvent* e)
{
    WindowRecord* rec = Find(hwnd);
    QPainter painter(this);
    if (!rec || !rec->wnd || rec->destroying) {
        painter.fillRect(e->rect(), Qt::white);
        return;
    }
    // A paint beyond what the program invalidated is an uncover or a first show: it erases; not so the
    // paint under a control that repaints itself.
    const QRegion region = e->region();
    const QRegion beyond = region - rec->requested;
    const bool uncover = !beyond.isEmpty() && !rec->controls.Covers(this, beyond);
    PaintSession session{&painter, e->rect(), rec->erasePending || uncover};
    rec->erasePending = false;
    rec->requested -= region;
    PaintSession* outer = std::exchange(rec->paint, &session);
    const HWND self = hwnd;
    if (session.erasePending) {
        // WM_ERASEBKGND comes first, on the same painter; the paint record says whether it was done.
        HDC hdc = NewWindowDc(&painter, self, width(), height());
        session.eraseLeft = Send(self, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc)) == 0;
        DeleteDc(hdc);
    }
    Send(self, WM_PAINT);
    if (WindowRecord* after = Find(self)) {
        after->paint = outer;
    }
}

// FrameHost

FrameHost::FrameHost(QWidget* parent, bool border) : QWidget(parent), Host(this), m_border(border)
{
    setMouseTracking(true);
}

QAccessibleInterface* FrameHost::CreateAccessible() { return new WindowAccessible(this); }

void FrameHost::SetClient(QWidget* client)
{
    m_client = client;
    LayoutClient();
}

QScrollBar* FrameHost::ScrollBar()
{
    if (!m_scrollBar) {
        m_scrollBar = new QScrollBar(Qt::Vertical, this);
        m_scrollBar->hide();
    }
    return m_scrollBar;
}

void FrameHost::ShowScrollBar(bool show)
{
    if (ScrollBar()->isVisibleTo(this) != show) {
        m_scrollBar->setVisible(show);
        LayoutClient();
    }
}

QSize FrameHost::ClientSizeFor(QSize outer) const
{
    const int inset = m_border ? 1 : 0;
    const int bar = m_scrollBar && m_scrollBar->isVisibleTo(this) ? kScrollBarWidth : 0;
    return {std::max(0, outer.width() - 2 * inset - bar), std::max(0, outer.height() - 2 * inset)};
}

void FrameHost::LayoutClient()
{
    const int inset = m_border ? 1 : 0;
    const QSize size = ClientSizeFor(this->size());
    if (m_client) {
        m_client->setGeometry(inset, inset, size.width(), size.height());
    }
    if (m_scrollBar) {
        m_scrollBar->setGeometry(inset + size.width(), inset, kScrollBarWidth, size.height());
    }
    if (resized) {
        resized();
    }
}

bool FrameHost::event(QEvent* e)
{
    return HostEvent(this, hwnd, e, [this, e] { return QWidget::event(e); });
}

void FrameHost::paintEvent(QPaintEvent*)
{
    if (m_border) {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void FrameHost::resizeEvent(QResizeEvent*) { LayoutClient(); }

} // namespace layer
