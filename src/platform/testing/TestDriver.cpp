#include "platform/testing/TestDriver.h"

#include "platform/controls/ControlHosts.h"
#include "platform/controls/ControlOps.h"
#include "platform/host/WindowRegistry.h"
#include "platform/testing/DriverParts.h"
#include "platform/window/Dispatcher.h"
#include "platform/window/Wnd.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QScreen>
#include <QWindow>
#include <QTest>

namespace uitest {
namespace {

using layer::Find;
using layer::WindowRecord;

WindowRecord* RecordOf(CWnd* window, int id)
{
    if (!window) {
        return nullptr;
    }
    if (id == 0) {
        return Find(window->m_hWnd);
    }
    CWnd* control = window->GetDlgItem(id);
    return control ? Find(control->m_hWnd) : nullptr;
}

template <class W>
W* As(CWnd* window, int id)
{
    return dynamic_cast<W*>(WidgetOf(window, id));
}


QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

// Pointer input goes to the widget's window as the desktop delivers it: the window finds the widget under
// the pointer, sends enter and leave, and grabs the pointer while a button is held.
enum class Pointer { Press, Release, Click, DoubleClick, Move };

bool PointerAt(QWidget* widget, QPoint pos, Pointer action, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget* top = widget ? widget->window() : nullptr;
    QWindow* window = top ? top->windowHandle() : nullptr;
    if (!window || !widget->isVisible()) {
        return false;
    }
    const QPoint at = widget->mapTo(top, pos);
    switch (action) {
    case Pointer::Press:
        QTest::mousePress(window, button, {}, at);
        break;
    case Pointer::Release:
        QTest::mouseRelease(window, button, {}, at);
        break;
    case Pointer::Click:
        QTest::mouseClick(window, button, {}, at);
        break;
    case Pointer::DoubleClick:
        QTest::mouseDClick(window, button, {}, at);
        break;
    case Pointer::Move:
        QTest::mouseMove(window, at);
        break;
    }
    return true;
}

} // namespace

QWidget* WidgetOf(CWnd* window, int id)
{
    WindowRecord* rec = RecordOf(window, id);
    return rec ? rec->client.data() : nullptr;
}

Qt::Key QtKey(UINT vk)
{
    if (vk >= 'A' && vk <= 'Z') {
        return static_cast<Qt::Key>(Qt::Key_A + static_cast<int>(vk - 'A'));
    }
    if (vk >= '0' && vk <= '9') {
        return static_cast<Qt::Key>(Qt::Key_0 + static_cast<int>(vk - '0'));
    }
    switch (vk) {
    case VK_BACK:
        return Qt::Key_Backspace;
    case VK_F10:
        return Qt::Key_F10;
    case VK_APPS:
        return Qt::Key_Menu;
    case VK_TAB:
        return Qt::Key_Tab;
    case VK_RETURN:
        return Qt::Key_Return;
    case VK_ESCAPE:
        return Qt::Key_Escape;
    case VK_SPACE:
        return Qt::Key_Space;
    case VK_PRIOR:
        return Qt::Key_PageUp;
    case VK_NEXT:
        return Qt::Key_PageDown;
    case VK_END:
        return Qt::Key_End;
    case VK_HOME:
        return Qt::Key_Home;
    case VK_LEFT:
        return Qt::Key_Left;
    case VK_UP:
        return Qt::Key_Up;
    case VK_RIGHT:
        return Qt::Key_Right;
    case VK_DOWN:
        return Qt::Key_Down;
    case VK_DELETE:
        return Qt::Key_Delete;
    case VK_F4:
        return Qt::Key_F4;
    default:
        return Qt::Key_unknown;
    }
}

void ProcessEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool WaitUntil(const std::function<bool()>& cond, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!cond()) {
        if (timer.elapsed() > timeoutMs) {
            return cond();
        }
        QTest::qWait(1);
    }
    return true;
}

bool ShowAndActivate(CWnd* window)
{
    WindowRecord* top = layer::TopLevelOf(RecordOf(window, 0));
    if (!top || !top->outer || !top->wnd) {
        return false;
    }
    if (top->outer->isHidden()) {
        top->wnd->ShowWindow(SW_SHOW);
    }
    top->outer->activateWindow();
    return QTest::qWaitForWindowExposed(top->outer) && QTest::qWaitForWindowActive(top->outer);
}

CRect ControlRect(CWnd* window, int id)
{
    WindowRecord* rec = RecordOf(window, id);
    WindowRecord* owner = RecordOf(window, 0);
    if (!rec || !owner || !rec->outer || !owner->client) {
        return {};
    }
    const QPoint tl = rec->outer->mapTo(owner->client->window(), QPoint(0, 0)) -
                      owner->client->mapTo(owner->client->window(), QPoint(0, 0));
    return CRect(CPoint(tl.x(), tl.y()), CSize(rec->outer->width(), rec->outer->height()));
}

namespace {

// The pointer's act at the centre of a control of the window (id 0: the window itself), or at a point of
// the window's client area.
bool PointerAtCentre(CWnd* window, int id, Pointer kind)
{
    QWidget* w = WidgetOf(window, id);
    return w && PointerAt(w, w->rect().center(), kind);
}

bool PointerAtPoint(CWnd* window, CPoint clientPoint, Pointer kind, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget* w = WidgetOf(window, 0);
    return w && PointerAt(w, QPoint(clientPoint.x, clientPoint.y), kind, button);
}

} // namespace

bool Click(CWnd* window, int id) { return PointerAtCentre(window, id, Pointer::Click); }

bool ClickAt(CWnd* window, CPoint clientPoint)
{
    return PointerAtPoint(window, clientPoint, Pointer::Click);
}

bool RightClickAt(CWnd* window, CPoint clientPoint)
{
    return PointerAtPoint(window, clientPoint, Pointer::Click, Qt::RightButton);
}

bool DoubleClickAt(CWnd* window, CPoint clientPoint)
{
    return PointerAtPoint(window, clientPoint, Pointer::DoubleClick);
}

bool Press(CWnd* window, int id) { return PointerAtCentre(window, id, Pointer::Press); }

bool Release(CWnd* window, int id) { return PointerAtCentre(window, id, Pointer::Release); }

bool MoveOnto(CWnd* window, int id) { return PointerAtCentre(window, id, Pointer::Move); }

bool MoveTo(CWnd* window, CPoint clientPoint)
{
    return PointerAtPoint(window, clientPoint, Pointer::Move);
}

bool MoveAway(CWnd* window, int id)
{
    QWidget* control = WidgetOf(window, id);
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent || !control->isVisible()) {
        return false;
    }
    // A point of the parent beside the control: left of it, else right of it, else below it.
    const QRect r = control->geometry();
    QPoint p(r.left() - 4, r.center().y());
    if (p.x() < 0) {
        p = QPoint(r.right() + 5, r.center().y());
    }
    if (p.x() >= parent->width()) {
        p = QPoint(r.center().x(), r.bottom() + 5);
    }
    return PointerAt(parent, p, Pointer::Move);
}

bool Drag(CWnd* window, CPoint from, CPoint to)
{
    QWidget* w = WidgetOf(window, 0);
    if (!w || !PointerAt(w, QPoint(from.x, from.y), Pointer::Press)) {
        return false;
    }
    ProcessEvents(); // posted messages (a window move) arrive while the button is held
    // The window may move under the pointer: each step aims at a point on the screen.
    const QPoint start = w->mapToGlobal(QPoint(from.x, from.y));
    const QPoint end = start + QPoint(to.x - from.x, to.y - from.y);
    constexpr int kSteps = 4;
    for (int i = 1; i <= kSteps; ++i) {
        PointerAt(w, w->mapFromGlobal(start + (end - start) * i / kSteps), Pointer::Move);
    }
    return PointerAt(w, w->mapFromGlobal(end), Pointer::Release);
}

bool PressKey(CWnd* window, int id, UINT vk, bool shift, bool alt, bool ctrl)
{
    QWidget* w = WidgetOf(window, id);
    const Qt::Key key = QtKey(vk);
    if (!w || key == Qt::Key_unknown) {
        return false;
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        w = popup->focusWidget() ? popup->focusWidget() : popup;
    } else {
        w->setFocus(Qt::OtherFocusReason);
    }
    Qt::KeyboardModifiers modifiers;
    if (shift) {
        modifiers |= Qt::ShiftModifier;
    }
    if (alt) {
        modifiers |= Qt::AltModifier;
    }
    if (ctrl) {
        modifiers |= Qt::ControlModifier;
    }
    QTest::keyClick(w, key, modifiers);
    return true;
}

bool TypeText(CWnd* window, int id, const std::string& text)
{
    auto* edit = As<QLineEdit>(window, id);
    if (!edit || !edit->isVisible()) {
        return false;
    }
    edit->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, QString::fromStdString(text));
    return edit->text() == QString::fromStdString(text);
}

bool ChooseComboEntry(CWnd* window, int id, int index)
{
    auto* box = As<QComboBox>(window, id);
    if (!box || !box->isVisible() || index < 0 || index >= box->count()) {
        return false;
    }
    QAbstractItemView* view = box->view();
    // Open the list as a person does, then click the entry.
    PointerAt(box, box->rect().center(), Pointer::Click);
    if (!WaitUntil([view] { return view->isVisible(); })) {
        return false;
    }
    const QModelIndex entry = view->model()->index(index, box->modelColumn(), view->rootIndex());
    view->scrollTo(entry);
    PointerAt(view->viewport(), view->visualRect(entry).center(), Pointer::Click);
    return WaitUntil([view] { return !view->isVisible(); }) && box->currentIndex() == index;
}

bool ChooseComboEntry(CWnd* window, int id, const std::string& text)
{
    auto* box = As<QComboBox>(window, id);
    const int index = box ? box->findText(QString::fromStdString(text), Qt::MatchExactly) : -1;
    return index >= 0 && ChooseComboEntry(window, id, index);
}

bool RenameComboEntry(CWnd* window, int id, int index, const std::string& text)
{
    auto* box = As<QComboBox>(window, id);
    if (!box || index < 0 || index >= box->count()) {
        return false;
    }
    box->setItemText(index, QString::fromStdString(text));
    return true;
}

std::vector<std::string> ComboEntries(CWnd* window, int id)
{
    std::vector<std::string> entries;
    if (auto* box = As<QComboBox>(window, id)) {
        for (int i = 0; i < box->count(); ++i) {
            entries.push_back(box->itemText(i).toStdString());
        }
    }
    return entries;
}

std::string Text(CWnd* window, int id)
{
    WindowRecord* rec = RecordOf(window, id);
    QString text;
    if (!rec || !layer::GetControlText(rec, text)) {
        return rec ? rec->text.toStdString() : std::string();
    }
    return text.toStdString();
}

bool IsChecked(CWnd* window, int id)
{
    auto* button = As<QAbstractButton>(window, id);
    return button && button->isChecked();
}

bool IsVisible(CWnd* window, int id)
{
    WindowRecord* rec = RecordOf(window, id);
    return rec && rec->outer && rec->outer->isVisible();
}

bool HasFocus(CWnd* window, int id)
{
    QWidget* w = WidgetOf(window, id);
    QWidget* focus = w ? w->window()->focusWidget() : nullptr;
    return focus && (focus == w || w->isAncestorOf(focus));
}

int FocusedControlId(CWnd* window)
{
    QWidget* w = WidgetOf(window, 0);
    QWidget* focus = w ? w->window()->focusWidget() : nullptr;
    WindowRecord* rec = focus ? layer::FindByWidget(focus) : nullptr;
    return rec && window->IsChild(rec->wnd) ? rec->id : 0;
}

bool IsPressed(CWnd* window, int id)
{
    auto* button = As<QAbstractButton>(window, id);
    return button && button->isDown();
}

namespace {

// What the screen shows of the window's top-level window: its picture as last painted, not a fresh
// rendering, at device pixels (a logical point covers dpr × dpr of them). Null when it is not on a screen.
QImage ScreenPicture(QWidget* top)
{
    QScreen* screen = top && top->windowHandle() ? top->windowHandle()->screen() : nullptr;
    if (!screen) {
        return {};
    }
    QImage image = screen->grabWindow(top->winId()).toImage();
    if (image.size() != top->size() * top->devicePixelRatio()) {
        // Qt 6.4's offscreen screen grabs a scaled window at the wrong size: render it instead.
        image = top->grab().toImage();
    }
    return image;
}

COLORREF ColorAt(const QImage& image, QPoint at)
{
    const QColor c = image.pixelColor(at);
    return RGB(c.red(), c.green(), c.blue());
}

} // namespace

COLORREF PixelColor(CWnd* window, int x, int y)
{
    QWidget* w = WidgetOf(window, 0);
    if (!w || x < 0 || y < 0 || x >= w->width() || y >= w->height()) {
        return 0xFFFFFFFF;
    }
    QWidget* top = w->window();
    const QImage image = ScreenPicture(top);
    const QPoint at = w->mapTo(top, QPoint(x, y)) * image.devicePixelRatio();
    return !image.isNull() && image.rect().contains(at) ? ColorAt(image, at) : 0xFFFFFFFF;
}

int CountPixels(CWnd* window, const CRect& area, COLORREF color)
{
    QWidget* w = WidgetOf(window, 0);
    QWidget* top = w ? w->window() : nullptr;
    const QImage image = ScreenPicture(top);
    if (image.isNull()) {
        return 0;
    }
    const QRect logical = QRect(area.left, area.top, area.Width(), area.Height()).intersected(w->rect());
    const QRect device(w->mapTo(top, logical.topLeft()) * image.devicePixelRatio(),
                       logical.size() * image.devicePixelRatio());
    int count = 0;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            count += image.rect().contains(x, y) && ColorAt(image, QPoint(x, y)) == color;
        }
    }
    return count;
}

bool SaveImage(CWnd* window, const std::string& path) { return SaveWindowImage(window, path); }

bool IsMenuOpen() { return OpenMenu() != nullptr; }

std::vector<std::string> OpenMenuEntries()
{
    std::vector<std::string> entries;
    if (QMenu* menu = OpenMenu()) {
        for (QAction* a : menu->actions()) {
            entries.push_back(a->isSeparator() ? std::string() : a->text().toStdString());
        }
    }
    return entries;
}

bool ChooseMenuEntry(const std::string& text)
{
    QMenu* menu = OpenMenu();
    if (!menu) {
        return false;
    }
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator() && a->text().toStdString() == text && a->isEnabled()) {
            PointerAt(menu, menu->actionGeometry(a).center(), Pointer::Click);
            ProcessEvents();
            return true;
        }
    }
    return false;
}

} // namespace uitest
