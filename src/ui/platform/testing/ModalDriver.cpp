#include "ui/platform/testing/ModalDriver.h"

#include "ui/platform/testing/DriverParts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
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

bool PressFocusedKey(UINT vk, bool keypad)
{
    QWindow* window = QGuiApplication::focusWindow();
    Qt::Key key = QtKey(vk);
    if (!window || key == Qt::Key_unknown) {
        return false;
    }
    Qt::KeyboardModifiers modifiers;
    if (keypad) {
        modifiers |= Qt::KeypadModifier;
        key = vk == VK_RETURN ? Qt::Key_Enter : key;
    }
    QTest::keyClick(window, key, modifiers);
    return true;
}

} // namespace uitest
