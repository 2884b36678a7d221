#pragma once
// What the layer asks of its browser plugin (vintora_webview, loaded at run time so that the program
// itself never links the browser engine): browser widgets that navigate and say when they have.

#include <QtPlugin>

#include <functional>

class QUrl;
class QWidget;

class IBrowserView {
public:
    virtual ~IBrowserView() = default;
    virtual QWidget* Widget() = 0;
    virtual void Navigate(const QUrl& url) = 0;
};

// What a browser widget reports, on the user-interface thread.
struct BrowserEvents {
    // After every completed navigation of the page (a failed one included: the engine then shows its
    // error page), whoever started it: Navigate, a link the user clicked, the page itself.
    std::function<void(const QUrl&)> navigated;
    // The page asks, on a click or key of the user, for an address in a new window (a link with a target
    // of its own, window.open): once per request. No window is made; requests the user made none for
    // (a page that opens windows by itself) are not reported.
    std::function<void(const QUrl&)> newWindow;
};

class IBrowserPlugin {
public:
    virtual ~IBrowserPlugin() = default;
    // A browser widget inside `parent`, deleted with it, that reports to `events`.
    virtual IBrowserView* CreateView(QWidget* parent, BrowserEvents events) = 0;
};

#define VINTORA_BROWSER_PLUGIN_IID "kr.co.vintora.BrowserPlugin/2.0"
Q_DECLARE_INTERFACE(IBrowserPlugin, VINTORA_BROWSER_PLUGIN_IID)
