#include "ui/platform/testing/TestDriver.h"

#include "ui/platform/ControlOps.h"
#include "ui/platform/Dispatcher.h"
#include "ui/platform/HostWidgets.h"
#include "ui/platform/WindowRegistry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
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

QWidget* WidgetOf(CWnd* window, int id)
{
    WindowRecord* rec = RecordOf(window, id);
    return rec ? rec->client.data() : nullptr;
}

template <class W>
W* As(CWnd* window, int id)
{
    return dynamic_cast<W*>(WidgetOf(window, id));
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

QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

} // namespace

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

bool Click(CWnd* window, int id)
{
    QWidget* w = WidgetOf(window, id);
    if (!w || !w->isVisible()) {
        return false;
    }
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    return true;
}

bool ClickAt(CWnd* window, CPoint clientPoint)
{
    QWidget* w = WidgetOf(window, 0);
    if (!w || !w->isVisible()) {
        return false;
    }
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(clientPoint.x, clientPoint.y));
    return true;
}

bool RightClickAt(CWnd* window, CPoint clientPoint)
{
    QWidget* w = WidgetOf(window, 0);
    if (!w || !w->isVisible()) {
        return false;
    }
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(clientPoint.x, clientPoint.y));
    return true;
}

bool Press(CWnd* window, int id)
{
    QWidget* w = WidgetOf(window, id);
    if (!w || !w->isVisible()) {
        return false;
    }
    QTest::mousePress(w, Qt::LeftButton, {}, w->rect().center());
    return true;
}

bool Release(CWnd* window, int id)
{
    QWidget* w = WidgetOf(window, id);
    if (!w || !w->isVisible()) {
        return false;
    }
    QTest::mouseRelease(w, Qt::LeftButton, {}, w->rect().center());
    return true;
}

bool MoveOnto(CWnd* window, int id)
{
    QWidget* w = WidgetOf(window, id);
    if (!w || !w->isVisible()) {
        return false;
    }
    QTest::mouseMove(w, w->rect().center());
    return true;
}

bool MoveTo(CWnd* window, CPoint clientPoint)
{
    QWidget* w = WidgetOf(window, 0);
    if (!w || !w->isVisible()) {
        return false;
    }
    QTest::mouseMove(w, QPoint(clientPoint.x, clientPoint.y));
    return true;
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
    QTest::mouseMove(parent, p);
    return true;
}

bool Drag(CWnd* window, CPoint from, CPoint to)
{
    QWidget* w = WidgetOf(window, 0);
    if (!w || !w->isVisible()) {
        return false;
    }
    const QPoint start(from.x, from.y);
    const QPoint end(to.x, to.y);
    QTest::mousePress(w, Qt::LeftButton, {}, start);
    ProcessEvents(); // posted messages (a window move) arrive while the button is held
    constexpr int kSteps = 4;
    for (int i = 1; i <= kSteps; ++i) {
        // The window may move under the pointer: aim in screen coordinates.
        const QPoint global = w->mapToGlobal(start) + (end - start) * i / kSteps;
        QTest::mouseMove(w, w->mapFromGlobal(global));
    }
    QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFromGlobal(w->mapToGlobal(end)));
    return true;
}

bool PressKey(CWnd* window, int id, UINT vk, bool shift, bool alt)
{
    QWidget* w = WidgetOf(window, id);
    const Qt::Key key = QtKey(vk);
    if (!w || key == Qt::Key_unknown) {
        return false;
    }
    w->setFocus(Qt::OtherFocusReason);
    Qt::KeyboardModifiers modifiers;
    if (shift) {
        modifiers |= Qt::ShiftModifier;
    }
    if (alt) {
        modifiers |= Qt::AltModifier;
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
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    if (!WaitUntil([view] { return view->isVisible(); })) {
        return false;
    }
    const QModelIndex entry = view->model()->index(index, box->modelColumn(), view->rootIndex());
    view->scrollTo(entry);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    return WaitUntil([view] { return !view->isVisible(); }) && box->currentIndex() == index;
}

bool ChooseComboEntry(CWnd* window, int id, const std::string& text)
{
    auto* box = As<QComboBox>(window, id);
    const int index = box ? box->findText(QString::fromStdString(text), Qt::MatchExactly) : -1;
    return index >= 0 && ChooseComboEntry(window, id, index);
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

bool TickListRow(CWnd* window, int id, int row)
{
    auto* list = As<layer::ListHost>(window, id);
    if (!list || !list->isVisible() || row < 0 || row >= list->rowCount()) {
        return false;
    }
    list->scrollToItem(list->item(row, 0));
    const QRect box = list->CheckRect(row);
    if (box.isEmpty()) {
        return false;
    }
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
    return true;
}

bool SelectListRow(CWnd* window, int id, int row)
{
    auto* list = As<layer::ListHost>(window, id);
    if (!list || !list->isVisible() || row < 0 || row >= list->rowCount()) {
        return false;
    }
    list->scrollToItem(list->item(row, 0));
    const QRect cell = list->visualItemRect(list->item(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(cell.right() - 4, cell.center().y()));
    return true;
}

std::vector<std::string> ListHeaders(CWnd* window, int id)
{
    std::vector<std::string> headers;
    if (auto* list = As<layer::ListHost>(window, id)) {
        for (int c = 0; c < list->columnCount(); ++c) {
            const QTableWidgetItem* h = list->horizontalHeaderItem(c);
            headers.push_back(h ? h->text().toStdString() : std::string());
        }
    }
    return headers;
}

bool ListShowsGrid(CWnd* window, int id)
{
    auto* list = As<layer::ListHost>(window, id);
    return list && list->showGrid();
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

std::string ListText(CWnd* window, int id, int row, int column)
{
    auto* list = As<layer::ListHost>(window, id);
    const QTableWidgetItem* item = list ? list->item(row, column) : nullptr;
    return item ? item->text().toStdString() : std::string();
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

COLORREF PixelColor(CWnd* window, int x, int y)
{
    QWidget* w = WidgetOf(window, 0);
    if (!w) {
        return 0xFFFFFFFF;
    }
    const QImage image = w->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    const QPoint p(qRound(x * dpr), qRound(y * dpr));
    if (!image.rect().contains(p)) {
        return 0xFFFFFFFF;
    }
    const QColor c = image.pixelColor(p);
    return RGB(c.red(), c.green(), c.blue());
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
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
            ProcessEvents();
            return true;
        }
    }
    return false;
}

MessageBoxRecorder::MessageBoxRecorder()
{
    m_previous = SetMessageBoxHandler([this](const std::string& text, UINT type) {
        m_texts.push_back(text);
        m_types.push_back(type);
        return IDOK;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHandler(m_previous); }

ShellOpenRecorder::ShellOpenRecorder()
{
    m_previous = SetShellOpenHandler([this](const std::string& url) { m_urls.push_back(url); });
}

ShellOpenRecorder::~ShellOpenRecorder() { SetShellOpenHandler(m_previous); }

} // namespace uitest
