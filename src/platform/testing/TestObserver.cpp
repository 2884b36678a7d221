#include "platform/testing/TestObserver.h"

#include "platform/gdi/Gdi.h"

#include <mutex>
#include <set>
#include <utility>

namespace uitest {
namespace {

// Handlers are set on the tests' thread and called on the thread that reports: the download on the
// worker, everything else on the user-interface thread.
class TestObserver : public layer::Observer {
public:
    bool WatchesText() const override { return sink != nullptr; }
    void TextDrawn(const layer::DrawnText& text) override
    {
        if (sink) {
            sink->Add(text);
        }
    }
    void ObjectMade(const void* handle) override
    {
        const std::lock_guard lock(mutex);
        live.insert(handle);
    }
    void ObjectDeleted(const void* handle) override
    {
        const std::lock_guard lock(mutex);
        live.erase(handle);
    }
    bool OpensUrl(const std::string& url) override
    {
        const ShellOpenHandler handler = Get(shellOpen);
        if (handler) {
            handler(url);
        }
        return static_cast<bool>(handler);
    }
    bool AnswersMessageBox(const std::string& text, UINT type, int* answer) override
    {
        const MessageBoxHandler handler = Get(messageBox);
        if (handler) {
            *answer = handler(text, type);
        }
        return static_cast<bool>(handler);
    }
    bool Downloads(const std::string& url, const std::string& file, LONG* result) override
    {
        const DownloadHandler handler = Get(download);
        if (handler) {
            *result = handler(url, file);
        }
        return static_cast<bool>(handler);
    }
    void CheckAnnounced(HWND, const std::string& name, bool checked) override
    {
        if (const CheckAnnouncementHandler handler = Get(checkAnnouncement)) {
            handler(name, checked);
        }
    }
    void LimitDownload(int* timeoutMs, std::size_t* maxBytes) override
    {
        const std::lock_guard lock(mutex);
        if (limited) {
            *timeoutMs = limits.timeoutMs;
            *maxBytes = limits.maxBytes;
        }
    }

    template <class T>
    T Get(const T& handler)
    {
        const std::lock_guard lock(mutex);
        return handler;
    }
    template <class T>
    T Exchange(T& handler, T value)
    {
        const std::lock_guard lock(mutex);
        return std::exchange(handler, std::move(value));
    }

    std::mutex mutex;
    std::set<const void*> live;
    MessageBoxHandler messageBox;
    ShellOpenHandler shellOpen;
    DownloadHandler download = [](const std::string&, const std::string&) { return INET_E_CANNOT_CONNECT; };
    CheckAnnouncementHandler checkAnnouncement;
    bool limited = false;
    DownloadLimits limits;
    TextSink* sink = nullptr; // user-interface thread only
};

// Never destroyed: a worker may report while the tests end and run static destructors.
TestObserver& Observer()
{
    static auto* observer = new TestObserver;
    return *observer;
}

} // namespace

void InstallTestObserver() { layer::SetObserver(&Observer()); }

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return Observer().Exchange(Observer().messageBox, std::move(handler));
}

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler)
{
    return Observer().Exchange(Observer().shellOpen, std::move(handler));
}

DownloadHandler SetDownloadHandler(DownloadHandler handler)
{
    return Observer().Exchange(Observer().download, std::move(handler));
}

CheckAnnouncementHandler SetCheckAnnouncementHandler(CheckAnnouncementHandler handler)
{
    return Observer().Exchange(Observer().checkAnnouncement, std::move(handler));
}

DownloadLimits SetDownloadLimits(DownloadLimits limits)
{
    const std::lock_guard lock(Observer().mutex);
    Observer().limited = true;
    return std::exchange(Observer().limits, limits);
}

std::vector<HBRUSH> LiveBrushes()
{
    std::vector<HBRUSH> brushes;
    const std::lock_guard lock(Observer().mutex);
    for (const void* handle : Observer().live) {
        COLORREF color = 0;
        if (GetBrushColor(static_cast<HBRUSH>(const_cast<void*>(handle)), &color)) {
            brushes.push_back(static_cast<HBRUSH>(const_cast<void*>(handle)));
        }
    }
    return brushes;
}

TextSink* AttachTextSink(TextSink* sink) { return std::exchange(Observer().sink, sink); }

void DetachTextSink(TextSink* previous) { Observer().sink = previous; }

} // namespace uitest
