#include "platform/testing/ModalDriver.h"

#include "platform/host/WindowRegistry.h"
#include "platform/testing/DriverParts.h"
#include "platform/window/Wnd.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>

namespace uitest {
namespace {
QPointer<QWidget> g_scriptModal; // the modal window of the WhenModal script running now
}

void WhenModal(std::function<void()> script)
{
    auto* timer = new QTimer(QCoreApplication::instance());
    auto* waited = new QElapsedTimer();
    waited->start();
    const QPointer<QWidget> before = QApplication::activeModalWidget(); // a modal window already up is not the next
    QObject::connect(timer, &QTimer::timeout, timer, [timer, waited, before, script = std::move(script)] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool up = modal && modal != before && modal->isVisible() && QApplication::activeWindow() == modal;
        if (!up && waited->elapsed() < 5000) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete waited;
        if (up) {
            const QPointer<QWidget> outer = std::exchange(g_scriptModal, modal);
            script();
            g_scriptModal = outer;
        }
    });
    timer->start(1);
}

struct ModalWatcher::Timer : QTimer {
    QPointer<QWidget> answered;      // the last modal window answered
    QPointer<QWidget> answeredPopup; // the last popup answered
    QElapsedTimer sincePopupAnswer;
};

ModalWatcher::ModalWatcher(std::function<void()> answer, std::function<bool()> answerPopup)
    : m_timer(std::make_unique<Timer>())
{
    Timer* timer = m_timer.get();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer = std::move(answer), answerPopup = std::move(answerPopup)] {
        const QPointer<QWidget> popup = QApplication::activePopupWidget(); // the answer may delete it
        // A popup still open a while after its answer missed the key (a menu that opens as another popup
        // closes can): it is answered again, as a person presses Escape once more.
        const bool unanswered = popup != timer->answeredPopup || timer->sincePopupAnswer.hasExpired(100);
        if (popup && unanswered && answerPopup()) {
            timer->answeredPopup = popup;
            timer->sincePopupAnswer.start();
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == timer->answered || !modal->isVisible() || QApplication::activeWindow() != modal) {
            return;
        }
        timer->answered = modal;
        const QPointer<QWidget> outer = std::exchange(g_scriptModal, modal);
        answer();
        g_scriptModal = outer;
    });
    timer->start(1);
}

ModalWatcher::~ModalWatcher() = default;

int EventLoopDepth() { return QThread::currentThread()->loopLevel(); }

CWnd* ActiveModalWindow()
{
    QWidget* modal = QApplication::activeModalWidget();
    layer::WindowRecord* rec = modal ? layer::FindByWidget(modal) : nullptr;
    return rec ? rec->wnd : nullptr;
}

bool CloseModalIfStillOpen()
{
    QWidget* modal = g_scriptModal;
    if (!modal || !modal->isVisible()) {
        return false;
    }
    modal->close();
    return true;
}

std::string ActiveMessageBoxText()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeWindow());
    return box ? box->text().toStdString() : std::string();
}

bool IsActive(CWnd* window)
{
    QWidget* w = WidgetOf(window, 0);
    return w && QApplication::activeWindow() == w->window();
}

bool PressFocusedKey(UINT vk, bool keypad, bool shift, bool alt, bool ctrl)
{
    Qt::Key key = QtKey(vk);
    if (!QGuiApplication::focusWindow() || key == Qt::Key_unknown) {
        return false;
    }
    Qt::KeyboardModifiers modifiers;
    if (keypad) {
        modifiers |= Qt::KeypadModifier;
        key = vk == VK_RETURN ? Qt::Key_Enter : key;
    }
    if (shift) {
        modifiers |= Qt::ShiftModifier;
        key = vk == VK_TAB ? Qt::Key_Backtab : key; // as a keyboard reports Shift+Tab
    }
    if (alt) {
        modifiers |= Qt::AltModifier;
    }
    if (ctrl) {
        modifiers |= Qt::ControlModifier;
    }
    // The press may close the window it went to (Alt+F4, Enter on a box): the release goes where the focus
    // is then, as the keyboard's does.
    const char ascii = QTest::keyToAscii(key);
    const QString text = ascii ? QString(QChar::fromLatin1(ascii)) : QString();
    SendFocusedKey(QTest::Press, key, text, modifiers);
    SendFocusedKey(QTest::Release, key, text, modifiers);
    return true;
}

void SendFocusedKey(QTest::KeyAction action, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers)
{
    // An open popup has the keyboard (a window system grabs it for the popup): the key goes to its focused
    // widget directly. Through the popup's window instead, Qt 6.4 crashes when an Alt key closes a menu.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        QTest::sendKeyEvent(action, popup->focusWidget() ? popup->focusWidget() : popup, key, text, modifiers);
    } else if (QWindow* window = QGuiApplication::focusWindow()) {
        QTest::sendKeyEvent(action, window, key, text, modifiers);
    }
}

} // namespace uitest
