#include "platform/app/Application.h"

#include "platform/window/Dispatcher.h"
#include "platform/gdi/GdiObjects.h"

#include <QKeyEvent>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWindow>

#include <clocale>
#include <deque>
#include <mutex>

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

// The application that tasks from other threads go to, and the tasks on their way. Never destroyed: a
// worker may post while the program ends and runs static destructors. A task passes through this queue
// under its mutex, and Qt carries only a bare event that has the oldest one run: the handover is then
// one that the thread sanitizer sees, which sees nothing of Qt's own locks.
struct PostGate {
    std::mutex mutex;
    Application* app = nullptr;
    std::deque<std::function<void()>> tasks;
};

PostGate& Gate()
{
    static auto* gate = new PostGate;
    return *gate;
}

// The event that has the user-interface thread run the oldest task: one is posted with each task.
QEvent::Type RunTaskEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void RunPostedTask()
{
    std::function<void()> task;
    {
        const std::lock_guard lock(Gate().mutex);
        if (Gate().tasks.empty()) {
            return;
        }
        task = std::move(Gate().tasks.front());
        Gate().tasks.pop_front();
    }
    task();
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    // QApplication takes the user's locale for everything; the program's numbers ("%.1f" on the pages,
    // the fields' reading, the log's read-back) are written with a decimal point whatever it is.
    std::setlocale(LC_NUMERIC, "C");
    const std::lock_guard lock(Gate().mutex);
    Gate().app = this;
}

Application::~Application()
{
    std::deque<std::function<void()>> dropped; // destroyed after the lock is released
    {
        const std::lock_guard lock(Gate().mutex);
        Gate().app = nullptr;
        dropped.swap(Gate().tasks);
    }
}

bool PostToApplication(std::function<void()> task)
{
    const std::lock_guard lock(Gate().mutex);
    if (!Gate().app) {
        return false;
    }
    Gate().tasks.push_back(std::move(task));
    QCoreApplication::postEvent(Gate().app, new QEvent(RunTaskEvent()));
    return true;
}

bool Application::event(QEvent* event)
{
    if (event->type() == RunTaskEvent()) {
        RunPostedTask();
        return true;
    }
    return QApplication::event(event);
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
    auto app = std::make_unique<Application>(argc, argv);
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
