#include "platform/web/WebEnginePlugin.h"

#include <QOpenGLContext>
#include <QQuickWindow>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

QT_BEGIN_NAMESPACE
// Exported by Qt GUI without a public declaration (the engine declares them the same way).
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
QT_END_NAMESPACE

namespace {

// Settings the engine reads once, when it starts with the first view; those of its command line come
// with the application's (app/Application.cpp).
void PrepareEngine()
{
    static bool prepared = false;
    if (prepared) {
        return;
    }
    prepared = true;
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // The engine reads the format of the application's shared OpenGL context even when it draws in
    // software; a context object that is never created gives it one without starting OpenGL.
    if (!qt_gl_global_share_context()) {
        qt_gl_set_global_share_context(new QOpenGLContext);
    }
}

class WebEngineBrowser : public QWebEngineView, public IBrowserView {
public:
    WebEngineBrowser(QWidget* parent, BrowserEvents events) : QWebEngineView(parent)
    {
        // The default profile is off the record: nothing of the pages is kept on disk.
        setPage(new QWebEnginePage(QWebEngineProfile::defaultProfile(), this));
        connect(page(), &QWebEnginePage::loadingChanged, this,
                [navigated = std::move(events.navigated)](const QWebEngineLoadingInfo& info) {
                    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus ||
                        info.status() == QWebEngineLoadingInfo::LoadFailedStatus) {
                        navigated(info.url());
                    }
                });
        // Left unanswered, the request makes no page and no window.
        connect(page(), &QWebEnginePage::newWindowRequested, this,
                [newWindow = std::move(events.newWindow)](QWebEngineNewWindowRequest& request) {
                    if (request.isUserInitiated()) {
                        newWindow(request.requestedUrl());
                    }
                });
    }

    QWidget* Widget() override { return this; }
    void Navigate(const QUrl& url) override { load(url); }
};

} // namespace

IBrowserView* WebEnginePlugin::CreateView(QWidget* parent, BrowserEvents events)
{
    PrepareEngine();
    return new WebEngineBrowser(parent, std::move(events));
}

#include "moc_WebEnginePlugin.cpp" // the plugin's meta-object code, compiled with the class
