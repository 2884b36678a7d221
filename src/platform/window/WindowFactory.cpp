#include "platform/window/WindowFactory.h"

#include "platform/window/Dispatcher.h"
#include "platform/window/HostWidgets.h"
#include "platform/window/Wnd.h"

namespace layer {
namespace {

Qt::WindowFlags TopLevelFlags(DWORD style, DWORD exStyle, bool owned)
{
    Qt::WindowFlags flags = Qt::Window;
    if ((style & WS_CAPTION) == WS_CAPTION) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (style & WS_SYSMENU) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        }
        if (style & WS_MINIMIZEBOX) {
            flags |= Qt::WindowMinimizeButtonHint;
        }
        if (style & WS_MAXIMIZEBOX) {
            flags |= Qt::WindowMaximizeButtonHint;
        }
        if (owned && !(exStyle & WS_EX_APPWINDOW)) {
            flags |= Qt::Dialog;
        }
    } else {
        flags |= Qt::FramelessWindowHint; // a popup without caption: the program draws all of it
    }
    if (exStyle & WS_EX_TOOLWINDOW) {
        flags |= Qt::Tool;
    }
    if (exStyle & WS_EX_TOPMOST) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    return flags;
}

bool HasFrameLine(DWORD style) { return (style & WS_BORDER) && (style & WS_CAPTION) != WS_CAPTION; }

// The user's actions on a window's scroll bar arrive as WM_VSCROLL; the window moves the bar itself
// (SetScrollPos), so the bar never moves on its own.
void ConnectScrollBar(QScrollBar* bar, HWND hwnd)
{
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar, hwnd](int action) {
        WindowRecord* rec = Find(hwnd);
        if (!rec) {
            return;
        }
        const int wanted = bar->sliderPosition();
        bar->setSliderPosition(rec->scrollPos);
        UINT code = SB_ENDSCROLL;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            code = SB_LINEDOWN;
            break;
        case QAbstractSlider::SliderSingleStepSub:
            code = SB_LINEUP;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            code = SB_PAGEDOWN;
            break;
        case QAbstractSlider::SliderPageStepSub:
            code = SB_PAGEUP;
            break;
        case QAbstractSlider::SliderToMinimum:
            code = SB_TOP;
            break;
        case QAbstractSlider::SliderToMaximum:
            code = SB_BOTTOM;
            break;
        case QAbstractSlider::SliderMove:
            code = SB_THUMBTRACK;
            break;
        default:
            return;
        }
        Send(hwnd, WM_VSCROLL, MAKEWPARAM(static_cast<int>(code), code == SB_THUMBTRACK ? wanted : 0), 0);
    });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [bar, hwnd] {
        Send(hwnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, bar->sliderPosition()), 0);
        Send(hwnd, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    });
}

} // namespace

QSize OuterSizeFor(DWORD style, QSize client)
{
    return HasFrameLine(style) ? client + QSize(2, 2) : client;
}

WindowRecord* MakeWindow(CWnd* wnd, WindowKind kind, DWORD style, DWORD exStyle, const QRect& rect, HWND parent,
                         int id, bool scrollable, const std::string& title)
{
    WindowRecord* rec = Register(wnd, kind, style, exStyle, id, parent);
    const bool child = style & WS_CHILD;
    QWidget* parentWidget = nullptr;
    if (child) {
        parentWidget = ClientWidget(parent);
    } else if (WindowRecord* owner = TopLevelOf(Find(parent))) {
        parentWidget = owner->outer; // an owned window stays above its owner and goes with it
    }
    const bool frameLine = HasFrameLine(style);
    QWidget* outer = nullptr;
    auto* client = new WindowHost(nullptr);
    if (frameLine || scrollable) {
        auto* frame = new FrameHost(parentWidget, frameLine);
        client->setParent(frame);
        frame->SetClient(client);
        frame->hwnd = rec->hwnd;
        TagWidget(frame, rec->hwnd);
        if (scrollable) {
            rec->vscroll = frame->ScrollBar();
            ConnectScrollBar(rec->vscroll, rec->hwnd);
        }
        outer = frame;
    } else {
        client->setParent(parentWidget);
        outer = client;
    }
    client->hwnd = rec->hwnd;
    TagWidget(client, rec->hwnd);
    if (!child) {
        outer->setWindowFlags(TopLevelFlags(style, exStyle, parent != nullptr));
        outer->setWindowTitle(QString::fromStdString(title));
    }
    outer->setGeometry(rect);
    if (auto* frame = dynamic_cast<FrameHost*>(outer)) {
        frame->LayoutClient(); // now: a hidden widget gets its resize event only when shown
    }
    outer->setEnabled(!(style & WS_DISABLED));
    // A press on a dialog's or form's background leaves the focus with the control that has it (Enter then
    // still means that control); a plain window takes the focus when pressed.
    client->setFocusPolicy(kind == WindowKind::Window ? Qt::ClickFocus : Qt::NoFocus);
    outer->hide();
    rec->outer = outer;
    rec->client = client;
    wnd->m_hWnd = rec->hwnd;
    return rec;
}

void ShowIfVisibleStyle(HWND hwnd)
{
    WindowRecord* rec = Find(hwnd);
    if (rec && (rec->style & WS_VISIBLE) && rec->wnd) {
        rec->wnd->ShowWindow(SW_SHOW);
    }
}

} // namespace layer
