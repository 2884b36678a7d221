#pragma once
// The Qt application of the program and of the window tests: key pre-translation before any widget,
// the Fusion look, the dialog font (굴림 9 pt) for every control.

#include <QApplication>

#include <memory>

namespace layer {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    ~Application() override; // first of all, refuses tasks from other threads (TaskQueue.h)
    bool notify(QObject* receiver, QEvent* event) override;

protected:
    bool event(QEvent* event) override; // runs the tasks that PostTask queues
};

// The application of the process, made with the command line argc/argv and the browser engine's settings.
// offscreen: render without a display (sets QT_QPA_PLATFORM=offscreen when it is not set). Where no
// window system can be opened, the program ends here with one line and status 1 (StartupGuard.h).
std::unique_ptr<Application> CreateApplication(int argc, char** argv, bool offscreen);
// Destroys every window that is still open (before the application goes).
void DestroyAllWindows();

} // namespace layer
