#pragma once
// Tasks for the user-interface thread, from any thread. The application opens the queue as it starts and
// closes it as it goes: a task posted while the queue is closed is dropped, so a worker that outlives the
// application reaches none of it.

#include <functional>

class QEvent;
class QObject;

namespace layer {

// Queues `task` for the user-interface thread; false, and the task is dropped, when the queue is closed.
bool PostTask(std::function<void()> task);
// Whether the calling thread is the user-interface thread (the one that opened the queue last).
bool OnUserInterfaceThread();
// The application (`receiver`) opens the queue on the user-interface thread: each task posted then reaches
// it as an event.
void OpenTaskQueue(QObject* receiver);
// Closes the queue and drops the tasks still waiting.
void CloseTaskQueue();
// For the receiver's event handling: true for the queue's event, and the oldest task has run.
bool RunTaskEvent(const QEvent* event);

} // namespace layer
