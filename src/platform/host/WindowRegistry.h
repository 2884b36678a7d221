#pragma once
// The layer's record of every window: handle → object, host widgets and per-window state. Handles are
// never reused, so a message posted to a window that is gone finds no record and is dropped.

#include "platform/core/Styles.h"
#include "platform/core/Types.h"
#include "platform/host/ControlCover.h"

#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <memory>

class CMenu;
class CWnd;
class QEventLoop;
class QScrollBar;
class QTimer;
class QWindow;
class QPainter;

namespace layer {

enum class WindowKind { Window, Dialog, Form, Button, Edit, Static, ComboBox, ListView };
// Whether a window kind is a control (as opposed to a window, dialog or form).
bool IsControl(WindowKind kind);

// One WM_PAINT in progress: the painter on the window and the rectangle to paint.
struct PaintSession {
    QPainter* painter;
    QRect rect;
    bool erasePending;
    bool eraseLeft = false; // the erase handler answered 0: the paint is to erase (PAINTSTRUCT fErase)
    int beginCount = 0;
};

// A top-level window's move with the pointer. Pressed: the left button went down in the window and is held;
// Released: it went up again before a move began (a flick or a click); then the window manager or the layer
// moves the window.
struct PointerMove {
    enum class Stage { None, Pressed, Released, WindowManager, Layer };
    Stage stage = Stage::None;
    QPoint pressedAt;  // screen position of the press
    QPoint windowAt;   // the window's position at the press
    QPoint releasedAt; // screen position where the button went up
};

struct WindowRecord {
    HWND hwnd = nullptr;
    CWnd* wnd = nullptr;        // the object messages go to
    bool layerOwnsObject = false; // the layer made the object (a control nobody bound) and deletes it
    WindowKind kind = WindowKind::Window;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    HWND parent = nullptr;
    // The window's place in its parent's Tab order: creation order, unless the window was put behind a
    // sibling (SetWindowPos), which it then follows.
    double tabOrder = 0;
    QPointer<QWidget> outer;  // the whole window: position, size, visibility, frame
    QPointer<QWidget> client; // the client area: children and painting
    bool destroying = false;

    // Painting
    bool erasePending = true;  // the next paint erases first (first show, uncover, RDW_ERASE)
    QRegion requested;         // invalidated by the program; a paint beyond it is an uncover
    ControlCover controls;     // what the window's controls paint themselves
    PaintSession* paint = nullptr;

    // A top-level window shows where its focus is (the focused owner-drawn button's focus rectangle) once
    // the keyboard has moved around in it; a person who only points never sees the cues.
    bool focusCues = false;

    // Whether the window system reports the top-level window minimised: a minimise that the program asked for
    // counts only once it is carried out (a bare X server never does).
    bool minimized = false;

    // Icons, system menu, dialog state
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    std::unique_ptr<CMenu> systemMenu;

    // Mouse tracking (_TrackMouseEvent)
    bool trackHover = false;
    bool trackLeave = false;
    int hoverTimeMs = 400;
    QTimer* hoverTimer = nullptr;

    // Vertical scrolling (scroll views)
    QPointer<QScrollBar> vscroll;
    int scrollPos = 0;
    int scrollMin = 0;
    int scrollMax = 0;

    QString text;            // the window text of a window without a text widget of its own
    DWORD listExStyle = 0;   // a list view's extended style (LVS_EX_*)
    HGDIOBJ picture = nullptr; // a static's bitmap or icon set by the program

    // Moving a top-level window with the pointer (WM_NCLBUTTONDOWN, HTCAPTION): the left press that the move
    // counts from, and who moves the window (WindowMove.h).
    PointerMove move;
};

// Registers a new window for `wnd`; the record lives until Unregister.
WindowRecord* Register(CWnd* wnd, WindowKind kind, DWORD style, DWORD exStyle, int id, HWND parent);
void Unregister(HWND hwnd);
WindowRecord* Find(HWND hwnd);
// The window a widget belongs to: the nearest registered widget among it and its parents.
WindowRecord* FindByWidget(const QObject* widget);
// Ties a widget to a window so that FindByWidget finds it.
void TagWidget(QWidget* widget, HWND hwnd);
// Children of a window in creation order (template order for a dialog's controls).
std::vector<WindowRecord*> ChildrenOf(HWND hwnd);
// A child dialog or form: its controls stand in its parent's Tab loop, in its place (DS_CONTROL on the
// classic desktop).
bool IsControlParent(const WindowRecord* record);
// Children of a window in its Tab order.
std::vector<WindowRecord*> ChildrenInTabOrder(HWND hwnd);
// Puts a window right after its sibling `after` in their parent's Tab order.
void PlaceInTabOrderAfter(WindowRecord* record, const WindowRecord* after);
// The top-level window record of a window.
WindowRecord* TopLevelOf(WindowRecord* record);
// Takes a top-level window's state from the window system's report about its native window.
void NoteReportedState(const QWindow* window);
// Every live window (for shutting down).
std::vector<HWND> AllWindows();

QWidget* ClientWidget(HWND hwnd);
QWidget* OuterWidget(HWND hwnd);

} // namespace layer
