#pragma once
// The browser plugin over Qt WebEngine. The engine draws in software (no GPU needed, and the program's
// window keeps its plain raster surface instead of being recreated for OpenGL when the first view
// appears), never talks to the network by itself, keeps nothing on disk, and runs without its
// sandbox only when the program runs as root (the engine refuses to start as root otherwise). The
// settings of its command line come with the application's (app/Application.cpp).

#include "platform/web/BrowserPlugin.h"

#include <QObject>

class WebEnginePlugin : public QObject, public IBrowserPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VINTORA_BROWSER_PLUGIN_IID)
    Q_INTERFACES(IBrowserPlugin)

public:
    IBrowserView* CreateView(QWidget* parent, BrowserEvents events) override;
};
