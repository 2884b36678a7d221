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

class IBrowserPlugin {
public:
    virtual ~IBrowserPlugin() = default;
    // A browser widget inside `parent`, deleted with it. navigated(url) runs on the user-interface thread
    // after every completed navigation of the page (a failed one included: the engine then shows its
    // error page), whoever started it: Navigate, a link the user clicked, the page itself.
    virtual IBrowserView* CreateView(QWidget* parent, std::function<void(const QUrl&)> navigated) = 0;
};

#define VINTORA_BROWSER_PLUGIN_IID "kr.co.vintora.BrowserPlugin/1.0"
Q_DECLARE_INTERFACE(IBrowserPlugin, VINTORA_BROWSER_PLUGIN_IID)
