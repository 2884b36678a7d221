#include "platform/app/Accessibility.h"

#include "platform/window/HostWidgets.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace layer {
namespace {

// The application lists its top-level windows, as Qt's does, except those that the desktop never had: the
// browser engine of the banner draws its page in such a window (never made, never shown) and hands the
// page to the banner's own widget, where a screen reader finds it; listed, that window would stand beside
// the main window as a second, empty frame.
class AccessibleApplication : public QAccessibleApplication {
public:
    int childCount() const override { return static_cast<int>(Windows().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QObjectList windows = Windows();
        return index >= 0 && index < windows.size() ? QAccessible::queryAccessibleInterface(windows.at(index))
                                                    : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(Windows().indexOf(child->object())) : -1;
    }

private:
    // The objects behind the windows' interfaces (a top-level widget for a widget's window).
    static QObjectList Windows()
    {
        QObjectList windows;
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            if (!window->handle() || window->type() == Qt::Popup || window->type() == Qt::Desktop) {
                continue;
            }
            if (QAccessibleInterface* root = window->accessibleRoot(); root && root->object()) {
                windows.append(root->object());
            }
        }
        return windows;
    }
};

QAccessibleInterface* LayerInterface(const QString&, QObject* object)
{
    if (object == qApp) {
        return new AccessibleApplication;
    }
    // The hosts are found by address: the browser engine asks for items of its own, built without type
    // information, and no call or cast through such an object holds.
    Host* host = HostAt(object);
    return host ? host->CreateAccessible() : nullptr;
}

} // namespace

void InstallAccessibility() { QAccessible::installFactory(&LayerInterface); }

} // namespace layer
