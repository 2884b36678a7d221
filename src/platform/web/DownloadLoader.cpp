#include "platform/web/DownloadLoader.h"

#include "platform/app/FirstFrame.h"
#include "platform/core/TaskQueue.h"
#include "platform/web/ModuleDirectories.h"

#include <QDir>
#include <QLibrary>

#include <condition_variable>
#include <mutex>

namespace layer {
namespace {

constexpr const char* kModuleName = "vintora_download"; // the platform's prefix and suffix are added

using PrepareFunction = decltype(&VintoraPrepareDownloads);

enum class State { NotAsked, Asked, Ready, Unavailable };

// Never destroyed: a worker may wait for the module while the program ends.
struct Module {
    std::mutex mutex;
    std::condition_variable settled;
    State state = State::NotAsked;
    DownloadFunction download = nullptr;
};

Module& TheModule()
{
    static auto* module = new Module;
    return *module;
}

void Settle(DownloadFunction download)
{
    Module& m = TheModule();
    const std::lock_guard lock(m.mutex);
    m.download = download;
    m.state = download ? State::Ready : State::Unavailable;
    m.settled.notify_all();
}

// On the user-interface thread.
void Load()
{
    {
        const std::lock_guard lock(TheModule().mutex);
        if (TheModule().state == State::Ready || TheModule().state == State::Unavailable) {
            return;
        }
    }
    for (const QString& dir : ModuleDirectories()) {
        QLibrary library(QDir(dir).filePath(QLatin1String(kModuleName))); // stays loaded
        const auto prepare = reinterpret_cast<PrepareFunction>(library.resolve("VintoraPrepareDownloads"));
        const auto download = reinterpret_cast<DownloadFunction>(library.resolve("VintoraDownload"));
        if (prepare && download) {
            Settle(prepare() ? download : nullptr);
            return;
        }
    }
    Settle(nullptr);
}

} // namespace

DownloadFunction LoadedDownload()
{
    if (OnUserInterfaceThread()) {
        Load();
    }
    Module& m = TheModule();
    std::unique_lock lock(m.mutex);
    if (m.state == State::NotAsked) {
        m.state = State::Asked;
        lock.unlock();
        if (!PostTask([] { RunAfterFirstFrame(&Load); })) {
            Settle(nullptr); // the application is gone: nothing will load it any more
        }
        lock.lock();
    }
    m.settled.wait(lock, [&m] { return m.state == State::Ready || m.state == State::Unavailable; });
    return m.download;
}

} // namespace layer
