// The test driver's screen-reader view: roles, names, values, check states, labels and descriptions as
// Qt's accessibility interface hands them to a screen reader.

#include "platform/testing/TestDriver.h"

#include "platform/host/WindowRegistry.h"
#include "platform/window/Wnd.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QApplication>
#include <QMetaEnum>
#include <QWindow>
#include <QStringList>

namespace uitest {
namespace {

// The interface of an UnmadeWindow: a frame with the window's title.
class UnmadeWindowAccessible : public QAccessibleObject {
public:
    explicit UnmadeWindowAccessible(QWindow* window) : QAccessibleObject(window) {}
    QWindow* window() const override { return static_cast<QWindow*>(object()); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? window()->title() : QString(); }
    QAccessible::Role role() const override { return QAccessible::Window; }
    QAccessible::State state() const override { return {}; }
};

class UnmadeQWindow : public QWindow {
public:
    UnmadeQWindow() : m_id(QAccessible::registerAccessibleInterface(new UnmadeWindowAccessible(this))) {}
    QAccessibleInterface* accessibleRoot() const override { return QAccessible::accessibleInterface(m_id); }

private:
    QAccessible::Id m_id; // the interface goes with the window
};

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

CheckState CheckStateOf(QAccessibleInterface* iface)
{
    return iface ? CheckState{iface->state().checkable != 0, iface->state().checked != 0} : CheckState{};
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

std::string AccessibleValue(CWnd* window, int id) { return TextOf(window, id, QAccessible::Value); }

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

CheckState AccessibleCheckState(CWnd* window, int id) { return CheckStateOf(InterfaceOf(window, id)); }

CheckState AccessibleRowCheckState(CWnd* window, int id, int row)
{
    QAccessibleInterface* list = InterfaceOf(window, id);
    QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
    return CheckStateOf(table && row >= 0 && row < table->rowCount() ? table->cellAt(row, 0) : nullptr);
}

std::vector<std::string> AccessibleWindowNames()
{
    std::vector<std::string> names;
    QAccessibleInterface* app = QAccessible::queryAccessibleInterface(qApp);
    for (int i = 0; app && i < app->childCount(); ++i) {
        if (QAccessibleInterface* window = app->child(i)) {
            names.push_back(window->text(QAccessible::Name).toStdString());
        }
    }
    return names;
}

UnmadeWindow::UnmadeWindow(const std::string& title) : m_window(new UnmadeQWindow)
{
    static_cast<QWindow*>(m_window)->setTitle(QString::fromStdString(title));
}

UnmadeWindow::~UnmadeWindow() { delete static_cast<QWindow*>(m_window); }

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
        if (iface->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed.push_back(child->id);
        }
    }
    return unnamed;
}

} // namespace uitest
