// The test driver's screen-reader view: names, labels and descriptions as Qt's accessibility interface
// hands them to a screen reader.

#include "platform/testing/TestDriver.h"

#include "platform/host/WindowRegistry.h"
#include "platform/window/Wnd.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QStringList>

namespace uitest {
namespace {

QAccessibleInterface* InterfaceOf(CWnd* window, int id)
{
    CWnd* target = window && id != 0 ? window->GetDlgItem(id) : window;
    QWidget* widget = target ? layer::OuterWidget(target->m_hWnd) : nullptr;
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

std::string TextOf(CWnd* window, int id, QAccessible::Text kind)
{
    QAccessibleInterface* iface = InterfaceOf(window, id);
    return iface ? iface->text(kind).toStdString() : std::string();
}

QString LabelOf(QAccessibleInterface* iface)
{
    QStringList texts;
    for (const auto& [label, relation] : iface->relations(QAccessible::Label)) {
        texts << label->text(QAccessible::Name);
    }
    return texts.join(QLatin1Char(' '));
}

} // namespace

std::string AccessibleName(CWnd* window, int id) { return TextOf(window, id, QAccessible::Name); }

std::string AccessibleDescription(CWnd* window, int id) { return TextOf(window, id, QAccessible::Description); }

std::string AccessibleLabel(CWnd* window, int id)
{
    QAccessibleInterface* iface = InterfaceOf(window, id);
    return iface ? LabelOf(iface).toStdString() : std::string();
}

std::string AccessibleRole(CWnd* window, int id)
{
    QAccessibleInterface* iface = InterfaceOf(window, id);
    return iface ? QMetaEnum::fromType<QAccessible::Role>().valueToKey(iface->role()) : "";
}

std::vector<int> UnnamedControls(CWnd* window)
{
    std::vector<int> unnamed;
    if (!window) {
        return unnamed;
    }
    for (layer::WindowRecord* child : layer::ChildrenOf(window->m_hWnd)) {
        QWidget* widget = child->outer;
        QAccessibleInterface* iface = widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
        if (!iface || !(widget->focusPolicy() & Qt::TabFocus)) {
            continue;
        }
        const QString spoken =
            iface->role() == QAccessible::ComboBox ? LabelOf(iface) : iface->text(QAccessible::Name);
        if (spoken.trimmed().isEmpty()) {
            unnamed.push_back(child->id);
        }
    }
    return unnamed;
}

} // namespace uitest
