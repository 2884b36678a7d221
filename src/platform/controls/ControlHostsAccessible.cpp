// What screen readers find of the control hosts where Qt's own interface would say it otherwise, and what
// they are told of the check states that are the layer's own.

#include "platform/controls/ControlHosts.h"

#include "platform/core/Observer.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace layer {
namespace {

// A drop-down named by its label, the page's, which the program gives as its accessible name, with the
// entry it shows as its value. Qt's own interface names a box by its entry on this desktop and leaves
// the label to a relation. The entry of a box without edit is also its text, which is where a screen
// reader here reads the value of a drop-down; an editable box's text is its edit's.
class ComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface && !Box()->isEditable()) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? Entry() : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Box()->view()->isVisible();
        state.editable = Box()->isEditable();
        return state;
    }

    // The parts: the list, and the edit of an editable box.
    int childCount() const override { return Box()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override
    {
        QWidget* part = index == 0 ? static_cast<QWidget*>(Box()->view()) : index == 1 ? Box()->lineEdit() : nullptr;
        return part ? QAccessible::queryAccessibleInterface(part) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const QObject* part = child ? child->object() : nullptr;
        return !part ? -1 : part == Box()->view() ? 0 : part == Box()->lineEdit() ? 1 : -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        QAccessibleInterface* list = child(0);
        return Box()->view()->isVisible() && list ? list->focusChild() : QAccessibleWidget::focusChild();
    }

    // Opening and closing the list.
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (Box()->view()->isVisible()) {
            Box()->hidePopup();
        } else {
            Box()->showPopup();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // The text: the entry, to read only.
    QString text(int start, int end) const override { return Entry().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Entry().size()); }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
    QString Entry() const { return Box()->isEditable() ? Box()->lineEdit()->text() : Box()->currentText(); }
};

// What a screen reader calls a button: its accessible name, else its caption.
QString SpokenName(const QAbstractButton* button)
{
    return button->accessibleName().isEmpty() ? button->text() : button->accessibleName();
}

// An owner-drawn button: a push button, pressed while held down, and checked or not when it stands for a
// choice. Qt's own interface would take a checkable button for a check box.
class OwnerDrawAccessible : public QAccessibleWidget {
public:
    explicit OwnerDrawAccessible(OwnerDrawButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? SpokenName(Button()) : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = Button()->isDown();
        if (const std::optional<bool> checked = Button()->AccessibleCheck()) {
            state.checkable = true;
            state.checked = *checked;
        }
        return state;
    }
    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            Button()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    OwnerDrawButton* Button() const { return static_cast<OwnerDrawButton*>(widget()); }
};

} // namespace

void AnnounceCheck(HWND window, const QString& name, bool checked,
                   const std::function<QAccessibleInterface*()>& object)
{
    if (QAccessible::isActive()) {
        if (QAccessibleInterface* iface = object()) {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(iface, changed);
            QAccessible::updateAccessibility(&event);
        }
    }
    if (Observer* observer = CurrentObserver()) {
        observer->CheckAnnounced(window, name.toStdString(), checked);
    }
}

QAccessibleInterface* ComboHost::CreateAccessible() { return new ComboAccessible(this); }

QAccessibleInterface* OwnerDrawButton::CreateAccessible() { return new OwnerDrawAccessible(this); }

void ListHost::AnnounceChecks(int firstRow, int lastRow)
{
    for (int row = firstRow; row <= lastRow; ++row) {
        AnnounceCheck(hwnd, m_model->Text(row, 0), m_model->Checked(row), [this, row]() -> QAccessibleInterface* {
            QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this);
            QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
            return table ? table->cellAt(row, 0) : nullptr;
        });
    }
}

void OwnerDrawButton::SetAccessibleCheck(bool checked)
{
    const bool was = m_accessibleCheck.value_or(false);
    m_accessibleCheck = checked;
    if (checked != was) {
        AnnounceCheck(hwnd, SpokenName(this), checked, [this] { return QAccessible::queryAccessibleInterface(this); });
    }
}

} // namespace layer
