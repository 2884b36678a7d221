#pragma once
// The Qt widgets that host the layer's windows (the controls' hosts are the controls' own). Each passes
// its events to the dispatcher, which turns them into messages for the window's object; the widget's
// own handling is the default processing.

#include "platform/core/Types.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <QString>
#include <QWidget>

#include <functional>

namespace layer {

struct WindowRecord;

// What every host knows: its window. A control's host also does what the control does by itself (its
// own messages and the text it shows); a window, dialog or form has none of that.
class Host {
public:
    // Known by its widget's address (HostAt) from the end of the Qt widget's construction to the start of its
    // destruction.
    explicit Host(QWidget* self);
    virtual ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;
    HWND hwnd = nullptr;

    // Answers a control message (CB_*, BM_*, EM_SETSEL); false when the message is not the control's.
    virtual bool ControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The text the control shows (a caption, an edit's text); false for a host that shows none.
    virtual bool SetShownText(const QString& text);
    virtual bool GetShownText(QString& text) const;
    // What a screen reader finds of the host, asked once when it first looks (the layer's accessibility
    // factory): a new interface, or null for Qt's own.
    virtual QAccessibleInterface* CreateAccessible();

private:
    QWidget* m_self;
};
// The host of a window, or null.
Host* HostOf(const WindowRecord* record);
// The host whose widget is `object`, or null. Found by address alone: the object is never asked anything,
// so it may be any object, even one of a library built without type information.
Host* HostAt(const QObject* object);

// The client area of a window, dialog or form: painting goes through WM_ERASEBKGND and WM_PAINT.
class WindowHost : public QWidget, public Host {
public:
    explicit WindowHost(QWidget* parent);
    QAccessibleInterface* CreateAccessible() override; // WindowAccessible

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

// How a screen reader sees a window's host: a top-level window is a frame named by its title, or a
// dialog when another window owns it; a child window (a page, a form) is a plain part of its window.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* host) : QAccessibleWidget(host) {}
    QAccessible::Role role() const override; // asked each time: a host becomes a window after it is made
};

// The width of a window's scroll bar, in pixels (GetSystemMetrics(SM_CXVSCROLL) answers it too).
constexpr int kScrollBarWidth = 17;

// The outer part of a window whose client area is inset: a 1-pixel black frame line (WS_BORDER) and/or
// a vertical scroll bar at the right edge (scroll views). The client widget fills the rest.
class FrameHost : public QWidget, public Host {
public:
    FrameHost(QWidget* parent, bool border);
    QAccessibleInterface* CreateAccessible() override; // WindowAccessible
    void SetClient(QWidget* client);
    QScrollBar* ScrollBar();         // made on first use, hidden until shown
    void ShowScrollBar(bool show);
    void LayoutClient();
    QSize ClientSizeFor(QSize outer) const;
    std::function<void()> resized; // after the client area has its new size

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    bool m_border;
    QWidget* m_client = nullptr;
    QScrollBar* m_scrollBar = nullptr;
};

} // namespace layer
