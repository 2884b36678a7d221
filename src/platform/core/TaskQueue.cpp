#include "platform/core/TaskQueue.h"

#include <QCoreApplication>
#include <QEvent>

#include <deque>
#include <mutex>
#include <thread>

namespace layer {
namespace {

// The receiver that tasks go to, and the tasks on their way. Never destroyed: a worker may post while
// the program ends and runs static destructors. A task passes through this queue under its mutex, and Qt
// carries only a bare event that has the oldest one run: the handover is then one that the thread
// sanitizer sees, which sees nothing of Qt's own locks.
struct Queue {
    std::mutex mutex;
    QObject* receiver = nullptr;
    std::thread::id receiverThread;
    std::deque<std::function<void()>> tasks;
};

Queue& TheQueue()
{
    static auto* queue = new Queue;
    return *queue;
}

// The event that has the user-interface thread run the oldest task: one is posted with each task.
QEvent::Type TaskEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace

bool PostTask(std::function<void()> task)
{
    Queue& q = TheQueue();
    const std::lock_guard lock(q.mutex);
    if (!q.receiver) {
        return false;
    }
    q.tasks.push_back(std::move(task));
    QCoreApplication::postEvent(q.receiver, new QEvent(TaskEventType()));
    return true;
}

bool OnUserInterfaceThread()
{
    const std::lock_guard lock(TheQueue().mutex);
    return TheQueue().receiverThread == std::this_thread::get_id();
}

void OpenTaskQueue(QObject* receiver)
{
    const std::lock_guard lock(TheQueue().mutex);
    TheQueue().receiver = receiver;
    TheQueue().receiverThread = std::this_thread::get_id();
}

void CloseTaskQueue()
{
    std::deque<std::function<void()>> dropped; // destroyed after the lock is released
    Queue& q = TheQueue();
    const std::lock_guard lock(q.mutex);
    q.receiver = nullptr;
    dropped.swap(q.tasks);
}

bool RunTaskEvent(const QEvent* event)
{
    if (event->type() != TaskEventType()) {
        return false;
    }
    std::function<void()> task;
    {
        Queue& q = TheQueue();
        const std::lock_guard lock(q.mutex);
        if (q.tasks.empty()) {
            return true;
        }
        task = std::move(q.tasks.front());
        q.tasks.pop_front();
    }
    task();
    return true;
}

} // namespace layer
