// The test driver's wheel, typed characters and dropped lists (TestDriver.h).

#include "platform/testing/TestDriver.h"

#include "platform/controls/ControlHosts.h"
#include "platform/host/WindowRegistry.h"
#include "platform/testing/DriverParts.h"
#include "platform/window/Wnd.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

namespace uitest {
namespace {

// The client widget of control `id` of the window (id 0: the window itself).
QWidget* ClientOf(CWnd* window, int id)
{
    CWnd* target = id == 0 ? window : (window ? window->GetDlgItem(id) : nullptr);
    layer::WindowRecord* rec = target ? layer::Find(target->m_hWnd) : nullptr;
    return rec ? rec->client.data() : nullptr;
}

// Each character of the text as its key, pressed and released through `send`. Letters and digits carry
// their own key (Qt's key codes are their upper-case codes).
template <class Send>
void SendCharacterKeys(const std::string& text, Send send)
{
    for (const QChar ch : QString::fromStdString(text)) {
        const auto key = static_cast<Qt::Key>(ch.toUpper().unicode());
        send(QTest::Press, key, QString(ch));
        send(QTest::Release, key, QString(ch));
    }
}

// What an input method commits to the widget.
void Commit(QWidget* w, const std::string& text)
{
    QInputMethodEvent event;
    event.setCommitString(QString::fromStdString(text));
    QApplication::sendEvent(w, &event);
}

} // namespace

bool Wheel(CWnd* window, CPoint clientPoint, int notches)
{
    QWidget* w = ClientOf(window, 0);
    QWidget* top = w ? w->window() : nullptr;
    if (!top || !top->windowHandle() || !w->isVisible()) {
        return false;
    }
    // To the top-level window, which gives it to the widget under the pointer and on to its parents.
    const QPoint at = w->mapTo(top, QPoint(clientPoint.x, clientPoint.y));
    QWheelEvent event(at, top->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(top->windowHandle(), &event);
    return true;
}

bool TypeKeys(CWnd* window, int id, const std::string& text)
{
    QWidget* w = ClientOf(window, id);
    if (!w || !w->isVisible()) {
        return false;
    }
    w->setFocus(Qt::OtherFocusReason);
    SendCharacterKeys(text, [w](QTest::KeyAction action, Qt::Key key, const QString& ch) {
        QTest::sendKeyEvent(action, w, key, ch, Qt::NoModifier);
    });
    return true;
}

bool CommitInput(CWnd* window, int id, const std::string& text)
{
    QWidget* w = ClientOf(window, id);
    if (!w || !w->isVisible() || !w->testAttribute(Qt::WA_InputMethodEnabled)) {
        return false; // an input method gives nothing to a window that takes no input-method text
    }
    w->setFocus(Qt::OtherFocusReason);
    Commit(w, text);
    return true;
}

bool TypeFocusedKeys(const std::string& text)
{
    if (!QGuiApplication::focusWindow()) {
        return false;
    }
    // Each key to where the focus is at that moment: a key may close the window it went to.
    SendCharacterKeys(text, [](QTest::KeyAction action, Qt::Key key, const QString& ch) {
        SendFocusedKey(action, key, ch, Qt::NoModifier);
    });
    return true;
}

bool CommitFocusedInput(const std::string& text)
{
    auto* w = qobject_cast<QWidget*>(QGuiApplication::focusObject());
    if (!w || !w->testAttribute(Qt::WA_InputMethodEnabled)) {
        return false;
    }
    Commit(w, text);
    return true;
}

std::string ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

bool PasteText(CWnd* window, int id, const std::string& text)
{
    QWidget* w = ClientOf(window, id);
    if (!w || !w->isVisible()) {
        return false;
    }
    w->setFocus(Qt::OtherFocusReason);
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier); // the whole entry is replaced
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
    return w->hasFocus();
}

bool OpenComboList(CWnd* window, int id)
{
    auto* box = dynamic_cast<QComboBox*>(ClientOf(window, id));
    if (!box || !box->isVisible() || !box->window()->windowHandle()) {
        return false;
    }
    QTest::mouseClick(box->window()->windowHandle(), Qt::LeftButton, {}, box->mapTo(box->window(), box->rect().center()));
    QAbstractItemView* view = box->view();
    return WaitUntil([view] { return view->isVisible(); });
}

bool DroppedListShowsScrollBar(CWnd* window, int id)
{
    auto* box = dynamic_cast<QComboBox*>(ClientOf(window, id));
    return box && box->view()->isVisible() && box->view()->verticalScrollBar()->isVisible();
}

} // namespace uitest
