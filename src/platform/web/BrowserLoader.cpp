#include "platform/web/BrowserLoader.h"

#include "platform/app/FirstFrame.h"
#include "platform/app/WinApp.h"
#include "platform/web/BrowserPlugin.h"
#include "platform/web/ModuleDirectories.h"

#include <QDir>
#include <QPluginLoader>

#include <algorithm>

namespace layer {
namespace {

constexpr const char* kPluginName = "vintora_webview"; // the platform's prefix and suffix are added

// What the engine logs as it starts inside a plugin is expected here (the plugin prepares the engine
// for software drawing itself) and tells the user nothing; everything else goes on as before.
QtMessageHandler g_previousHandler = nullptr;

void QuietEngineStart(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    static const char* const kExpected[] = {"Qt WebEngine seems to be initialized from a plugin",
                                            "WebEngineContext used before", "No suitable graphics backend found"};
    const bool expected = std::any_of(std::begin(kExpected), std::end(kExpected),
                                      [&](const char* text) { return message.startsWith(QLatin1String(text)); });
    if (expected || qstrcmp(context.category, "qt.webenginecontext") == 0) {
        return;
    }
    if (g_previousHandler) {
        g_previousHandler(type, context, message);
    }
}

} // namespace

BrowserLoader& BrowserLoader::Instance()
{
    static auto* loader = new BrowserLoader; // lives as long as the loaded plugin
    return *loader;
}

void BrowserLoader::Request(QObject* context, std::function<void(IBrowserPlugin&)> ready)
{
    switch (m_state) {
    case State::Ready:
        ready(*m_plugin);
        break;
    case State::Waiting:
        m_waiters.push_back({context, std::move(ready)});
        LoadAfterFirstFrame();
        break;
    case State::Unavailable:
        break;
    }
}

void BrowserLoader::LoadAfterFirstFrame()
{
    if (!m_watching) {
        m_watching = true;
        RunAfterFirstFrame([this] { Load(); });
    }
}

void BrowserLoader::Load()
{
    m_state = State::Unavailable;
    if (AfxControlContainerEnabled()) {
        g_previousHandler = qInstallMessageHandler(QuietEngineStart);
        for (const QString& dir : ModuleDirectories()) {
            QPluginLoader loader(QDir(dir).filePath(QLatin1String(kPluginName))); // stays loaded
            if ((m_plugin = qobject_cast<IBrowserPlugin*>(loader.instance()))) {
                m_state = State::Ready;
                break;
            }
        }
    }
    for (Waiter& waiter : std::exchange(m_waiters, {})) {
        if (m_plugin && waiter.context) {
            waiter.ready(*m_plugin);
        }
    }
}

} // namespace layer
