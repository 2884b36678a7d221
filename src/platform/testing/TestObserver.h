#pragma once
// The tests' observer of the layer (core/Observer.h), installed once by the tests' main before anything
// else: it hands what the layer reports to the recorders and handlers that the tests set, and keeps the
// drawing objects alive.

#include "platform/core/Observer.h"
#include "platform/web/UrlDownload.h"

#include <functional>
#include <string>
#include <vector>

namespace uitest {

// Installs the observer; the tests' main calls it first of all.
void InstallTestObserver();

// Handlers in place of the desktop, the user and the network; each answers the one it replaces, and null
// gives the thing back its real behaviour.
using MessageBoxHandler = std::function<int(const std::string& text, UINT type)>;
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
using ShellOpenHandler = std::function<void(const std::string& url)>;
ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler);
// Runs on the downloading thread. The tests start with one that refuses every download as a closed port
// would (INET_E_CANNOT_CONNECT), so that no test reaches the network unless it asks: null lets downloads go
// to it (to a loopback server of the test).
using DownloadHandler = std::function<HRESULT(const std::string& url, const std::string& fileName)>;
DownloadHandler SetDownloadHandler(DownloadHandler handler);
// What screen readers are told of check states (core/Observer.h's CheckAnnounced).
using CheckAnnouncementHandler = std::function<void(const std::string& name, bool checked)>;
CheckAnnouncementHandler SetCheckAnnouncementHandler(CheckAnnouncementHandler handler);
// The limits of real downloads (the layer's own when nothing was set).
DownloadLimits SetDownloadLimits(DownloadLimits limits);

// The brushes alive now.
std::vector<HBRUSH> LiveBrushes();

// Where drawn texts go while a text recorder is attached (DrawRecorder.h): the newest one.
class TextSink {
public:
    virtual void Add(const layer::DrawnText& text) = 0;

protected:
    ~TextSink() = default;
};
// Attaches a sink and answers the one it covers; Detach gives that one back.
TextSink* AttachTextSink(TextSink* sink);
void DetachTextSink(TextSink* previous);

} // namespace uitest
