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
#include <string>
#include <vector>

#include <unistd.h>

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

namespace {

// The command line the application is made with: the one given, then the settings of the browser engine
// that the layer may load later (web/WebEnginePlugin.cpp), which the engine reads after "--webEngineArgs":
// it draws in software, never talks to the network by itself, and runs without its sandbox when the
// program runs as root (it refuses to start as root with it). As arguments they reach this process only,
// never a browser the program opens, and no environment is written while another thread may read it.
// A QTWEBENGINE_CHROMIUM_FLAGS of the user's own replaces them, as the engine has it.
struct CommandLine {
    int count = 0;
    std::vector<std::string> texts;
    std::vector<char*> pointers;
};

CommandLine* WithEngineSettings(int argc, char** argv)
{
    // Never destroyed: the application (one in a process) refers to it for its whole life.
    static CommandLine* line = nullptr;
    line = new CommandLine;
    line->texts.assign(argv, argv + argc);
    for (const char* setting :
         {"--webEngineArgs", "--disable-gpu", "--disable-background-networking", "--disable-component-update"}) {
        line->texts.emplace_back(setting);
    }
    if (::geteuid() == 0) {
        line->texts.emplace_back("--no-sandbox");
    }
    for (std::string& text : line->texts) {
        line->pointers.push_back(text.data());
    }
    line->pointers.push_back(nullptr);
    line->count = static_cast<int>(line->texts.size());
    return line;
}

} // namespace

std::unique_ptr<Application> CreateApplication(int argc, char** argv, bool offscreen)
{
    // The environment is written here only, before the application starts any thread.
    if (offscreen && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    CommandLine* line = WithEngineSettings(argc, argv);
    std::unique_ptr<Application> app;
    {
        const StartupGuard guard(line->count, line->pointers.data());
        app = std::make_unique<Application>(line->count, line->pointers.data());
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
