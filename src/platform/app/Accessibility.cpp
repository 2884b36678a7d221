#include "platform/app/Accessibility.h"

#include "platform/window/HostWidgets.h"

#include <QAccessible>

namespace layer {
namespace {

QAccessibleInterface* LayerInterface(const QString&, QObject* object)
{
    auto* host = dynamic_cast<Host*>(object);
    return host ? host->CreateAccessible() : nullptr;
}

} // namespace

void InstallAccessibility() { QAccessible::installFactory(&LayerInterface); }

} // namespace layer
