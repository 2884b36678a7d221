#include "platform/window/Dispatcher.h"

#include "platform/host/Pointer.h"
#include "platform/host/WindowMove.h"
#include "platform/window/Input.h"
#include "platform/window/SystemMenu.h"
#include "platform/window/Wnd.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <utility>
#include <vector>

namespace layer {
namespace {

// One message being handled: what Default() repeats, and the Qt handling of the event it came from.
struct Frame {
    MSG msg;
    const std::function<void()>* base;
    bool baseRan;
};

std::vector<Frame>& Frames()
{
    thread_local std::vector<Frame> frames;
    return frames;
}

UINT MouseFlags(const QMouseEvent* e)
{
    UINT flags = 0;
    if (e->buttons() & Qt::LeftButton) {
        flags |= MK_LBUTTON;
    }
    if (e->buttons() & Qt::RightButton) {
        flags |= MK_RBUTTON;
    }
    if (e->modifiers() & Qt::ShiftModifier) {
        flags |= MK_SHIFT;
    }
    if (e->modifiers() & Qt::ControlModifier) {
        flags |= MK_CONTROL;
    }
    return flags;
}

bool IsWindowKind(const WindowRecord* r)
{
    return r->kind == WindowKind::Window || r->kind == WindowKind::Dialog || r->kind == WindowKind::Form;
}

UINT MouseMessage(QEvent::Type type, Qt::MouseButton button)
{
    const bool left = button == Qt::LeftButton;
    const bool right = button == Qt::RightButton;
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // the classic dialog classes take no double clicks: a second press
        return left ? WM_LBUTTONDOWN : right ? WM_RBUTTONDOWN : 0;
    case QEvent::MouseButtonRelease:
        return left ? WM_LBUTTONUP : right ? WM_RBUTTONUP : 0;
    case QEvent::MouseMove:
        return WM_MOUSEMOVE;
    default:
        return 0;
    }
}

// Sends the message born of a mouse or key event, whose default is the widget's own handling (`base`). Such
// a message goes to its window only, never on to the parent: the event is taken here unless the default
// ran and let it go on a control.
bool SendOwnEvent(HWND hwnd, WindowRecord* rec, QEvent* e, UINT message, WPARAM wParam, LPARAM lParam,
                  const std::function<bool()>& base)
{
    bool baseRan = false;
    bool baseResult = false;
    SendFromEvent(hwnd, message, wParam, lParam, [&] {
        baseRan = true;
        baseResult = base();
    });
    if (!baseRan || IsWindowKind(rec)) {
        e->accept();
        return true;
    }
    return baseResult;
}

bool HandleMouse(QWidget* widget, WindowRecord* rec, QMouseEvent* e, const std::function<bool()>& base)
{
    const QPoint global = e->globalPosition().toPoint();
    NotePointer(widget, global);
    const HWND hwnd = rec->hwnd;
    if (TrackWindowMove(rec, e)) {
        return true;
    }

    const UINT message = MouseMessage(e->type(), e->button());
    if (!message || !rec->client) {
        return base();
    }
    const QPoint pos = rec->client->mapFromGlobal(global);
    const LPARAM lp = MAKELPARAM(pos.x(), pos.y());
    if (message == WM_MOUSEMOVE) {
        if (IsWindowKind(rec)) {
            Send(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        }
        if (WindowRecord* still = Find(hwnd)) {
            PointerMovedIn(still);
        }
    }
    return SendOwnEvent(hwnd, rec, e, message, MouseFlags(e), lp, base);
}

bool HandleKey(WindowRecord* rec, QKeyEvent* e, const std::function<bool()>& base)
{
    const UINT vk = VirtualKey(e->key());
    if (!vk) {
        return base();
    }
    const bool alt = e->modifiers() & Qt::AltModifier;
    const bool press = e->type() == QEvent::KeyPress;
    const UINT message = press ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
    return SendOwnEvent(rec->hwnd, rec, e, message, vk, MAKELPARAM(1, 0), base);
}

bool HandleWheel(WindowRecord* rec, QWheelEvent* e, const std::function<bool()>& base)
{
    if (!rec->vscroll || !rec->vscroll->isVisibleTo(rec->outer)) {
        return base();
    }
    // Three lines per notch, as the classic desktop scrolls.
    const int notches = e->angleDelta().y() / 120;
    const HWND hwnd = rec->hwnd;
    for (int i = 0; i < 3 * std::abs(notches); ++i) {
        Send(hwnd, WM_VSCROLL, MAKEWPARAM(notches > 0 ? SB_LINEUP : SB_LINEDOWN, 0), 0);
    }
    Send(hwnd, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    e->accept();
    return true;
}

} // namespace

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendFromEvent(hwnd, message, wParam, lParam, {});
}

LRESULT SendFromEvent(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const std::function<void()>& base)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec || !rec->wnd) {
        if (base) {
            base();
        }
        return 0;
    }
    Frames().push_back(Frame{MSG{hwnd, message, wParam, lParam, 0, {}}, base ? &base : nullptr, false});
    const LRESULT result = rec->wnd->WindowProc(message, wParam, lParam);
    Frames().pop_back();
    return result;
}

bool Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PostTask([hwnd, message, wParam, lParam] {
        if (Find(hwnd)) {
            Send(hwnd, message, wParam, lParam);
        }
    });
}

const MSG* CurrentMessage() { return Frames().empty() ? nullptr : &Frames().back().msg; }

bool RunEventDefault(HWND hwnd, UINT message)
{
    if (Frames().empty()) {
        return false;
    }
    Frame& f = Frames().back();
    if (!f.base || f.baseRan || f.msg.hwnd != hwnd || f.msg.message != message) {
        return false;
    }
    f.baseRan = true;
    (*f.base)();
    return true;
}

bool HostEvent(QWidget* widget, HWND hwnd, QEvent* event, const std::function<bool()>& base)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec || !rec->wnd || rec->destroying) {
        return base();
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        if (widget == rec->outer && widget != rec->client) {
            return base(); // the frame line itself
        }
        return HandleMouse(widget, rec, static_cast<QMouseEvent*>(event), base);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return HandleKey(rec, static_cast<QKeyEvent*>(event), base);
    case QEvent::Leave:
        PointerLeft(rec);
        return base();
    case QEvent::Wheel:
        return HandleWheel(rec, static_cast<QWheelEvent*>(event), base);
    case QEvent::Close:
        if (widget == rec->outer && !(rec->style & WS_CHILD)) {
            // The desktop's close request is the system close command; the window decides.
            event->ignore();
            Send(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            return true;
        }
        return base();
    case QEvent::ContextMenu:
        if (IsWindowKind(rec)) {
            event->accept(); // WM_RBUTTONUP's default processing shows the menu
            return true;
        }
        return base();
    default:
        return base();
    }
}

UINT VirtualKey(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return static_cast<UINT>('A' + (qtKey - Qt::Key_A));
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return static_cast<UINT>('0' + (qtKey - Qt::Key_0));
    }
    switch (qtKey) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_F4:
        return VK_F4;
    case Qt::Key_F10:
        return VK_F10;
    case Qt::Key_Menu:
        return VK_APPS;
    default:
        return 0;
    }
}

namespace {

Qt::KeyboardModifiers g_modifiers;

// The keys of a person who moves around with the keyboard: after the first of them a window shows where
// its focus is, as the classic desktop keeps focus cues from those who use only the pointer.
bool MovesTheFocus(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Alt:
        return true;
    default:
        return false;
    }
}

void ShowFocusCues(WindowRecord* top)
{
    if (top->focusCues) {
        return;
    }
    top->focusCues = true;
    if (QWidget* focus = QApplication::focusWidget()) {
        focus->update();
    }
}

} // namespace

Qt::KeyboardModifiers HeldModifiers() { return g_modifiers; }

bool PreTranslateKey(QObject* receiver, QKeyEvent* e)
{
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget || widget->window()->windowType() == Qt::Popup) {
        return false; // a dropped list or a menu keeps its keys
    }
    WindowRecord* rec = FindByWidget(widget);
    // A window of its own that the layer did not make (a message box) belongs to a layer window only as
    // its owner: its keys are its own and reach no window beneath it.
    WindowRecord* owner = TopLevelOf(rec);
    if (!rec || !owner || owner->outer != widget->window()) {
        return false;
    }
    const bool press = e->type() == QEvent::KeyPress;
    if (press && MovesTheFocus(e->key())) {
        ShowFocusCues(owner);
    }
    const UINT vk = VirtualKey(e->key());
    if (!vk) {
        return false;
    }
    const bool alt = e->modifiers() & Qt::AltModifier;
    g_modifiers = e->modifiers();
    MSG msg{rec->hwnd, press ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP), vk,
            MAKELPARAM(1, 0), 0, {LastPointerPosition().x(), LastPointerPosition().y()}};
    // From the control up to its top-level window; each window may claim the key.
    HWND top = rec->hwnd;
    for (HWND h = rec->hwnd; h;) {
        WindowRecord* r = Find(h);
        if (!r) {
            return true; // the window went away while the key was being handled
        }
        top = h;
        if (r->wnd && !r->destroying && r->wnd->PreTranslateMessage(&msg)) {
            return true;
        }
        r = Find(h);
        if (!r || !(r->style & WS_CHILD)) {
            break;
        }
        h = r->parent;
    }
    // The context-menu keys ask the focused window for its menu, placed by the keyboard (-1, -1).
    if (press && (vk == VK_APPS || (vk == VK_F10 && (g_modifiers & Qt::ShiftModifier) && !alt))) {
        Send(msg.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(msg.hwnd), MAKELPARAM(-1, -1));
        return true;
    }
    if (press && alt && vk == VK_SPACE) {
        if (QWidget* outer = OuterWidget(top)) {
            ShowSystemMenu(top, outer->mapToGlobal(QPoint(0, 0)));
        }
        return true;
    }
    if (press && alt && vk == VK_F4) {
        Send(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    return false;
}

} // namespace layer
