#include "platform/app/FirstFrame.h"

#include "platform/window/Wnd.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <utility>
#include <vector>

namespace layer {
namespace {

bool AnyWindowExposed()
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    return std::any_of(windows.begin(), windows.end(), [](const QWindow* w) { return w->isExposed(); });
}

// The tasks waiting for the first frame, in the order they were asked for. The watcher is a child of the
// application: it goes with it when no window was ever shown, and its tasks with it.
class FirstFrameWatcher : public QObject {
public:
    static FirstFrameWatcher& Instance()
    {
        static QPointer<FirstFrameWatcher> watcher;
        if (!watcher) {
            watcher = new FirstFrameWatcher;
        }
        return *watcher;
    }

    void Add(std::function<void()> task)
    {
        m_tasks.push_back(std::move(task));
        if (m_tasks.size() > 1) {
            return; // already scheduled or watching
        }
        if (m_seen || AnyWindowExposed()) {
            Schedule();
        } else {
            qApp->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = event->type() == QEvent::Expose ? qobject_cast<QWindow*>(watched) : nullptr;
        if (window && window->isExposed()) {
            qApp->removeEventFilter(this);
            Schedule(); // the frame is painted while this expose is handled
        }
        return false;
    }

private:
    FirstFrameWatcher() : QObject(qApp) {}

    void Schedule()
    {
        QTimer::singleShot(0, this, [this] { RunTasks(); });
    }

    void RunTasks()
    {
        if (!m_seen) {
            m_seen = true;
            QGuiApplication::sync(); // the first frame has reached the server before any task works
        }
        // A task may ask for more; those run on a later turn.
        for (std::function<void()>& task : std::exchange(m_tasks, {})) {
            task();
        }
    }

    bool m_seen = false;
    std::vector<std::function<void()>> m_tasks;
};

} // namespace

void RunAfterFirstFrame(std::function<void()> task) { FirstFrameWatcher::Instance().Add(std::move(task)); }

} // namespace layer

void SendMessageAfterFirstFrame(HWND hWnd, UINT message)
{
    layer::RunAfterFirstFrame([hWnd, message] {
        if (IsWindow(hWnd)) {
            SendMessage(hWnd, message);
        }
    });
}
