#include "platform/app/Application.h"

#include "platform/app/Accessibility.h"
#include "platform/app/StartupGuard.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/window/Dispatcher.h"
#include "platform/window/Wnd.h"

#include <QKeyEvent>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWindow>

#include <clocale>

namespace layer {
namespace {

// The Fusion look, with drop-down lists that drop below their box as a list of limited depth with its own
// scroll bar (Fusion would lay a non-editable box's whole list over the box, as tall as the screen allows).
class LayerStyle : public QProxyStyle {
public:
    LayerStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    // QApplication takes the user's locale for everything; the program's numbers ("%.1f" on the pages,
    // the fields' reading, the log's read-back) are written with a decimal point whatever it is.
    std::setlocale(LC_NUMERIC, "C");
    OpenTaskQueue(this);
    InstallAccessibility();
}

Application::~Application() { CloseTaskQueue(); }

bool Application::event(QEvent* event)
{
    return RunTaskEvent(event) || QApplication::event(event);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    // Keys pass PreTranslateMessage from the control up to its top-level window before the control sees them.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        PreTranslateKey(receiver, static_cast<QKeyEvent*>(event))) {
        return true;
    }
    // The state that the window system reports (a spontaneous change of a native window) is the window's
    // state; the state the program asked for may never come (a minimise without a window manager).
    if (event->type() == QEvent::WindowStateChange && event->spontaneous()) {
        if (const auto* window = qobject_cast<QWindow*>(receiver)) {
            NoteReportedState(window);
        }
    }
    return QApplication::notify(receiver, event);
}

std::unique_ptr<Application> CreateApplication(int& argc, char** argv, bool offscreen)
{
    if (offscreen && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    std::unique_ptr<Application> app;
    {
        const StartupGuard guard(argc, argv);
        app = std::make_unique<Application>(argc, argv);
    }
    QApplication::setStyle(new LayerStyle);
    QApplication::setFont(DialogFont());
    QApplication::setQuitOnLastWindowClosed(false); // the program's modal loops decide when it ends
    return app;
}

void DestroyAllWindows()
{
    for (HWND h : AllWindows()) {
        WindowRecord* r = Find(h);
        if (r && r->wnd && !(r->style & WS_CHILD) && !Find(r->parent)) {
            r->wnd->DestroyWindow();
        }
    }
}

} // namespace layer
