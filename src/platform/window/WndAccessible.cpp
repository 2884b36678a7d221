// CWnd's accessible name, description and radio group, on the window's Qt widget, which screen readers reach through
// Qt's accessibility.

#include "platform/window/Wnd.h"

#include "platform/host/WindowRegistry.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>

namespace {

// A screen reader takes the group of a radio button from a label widget that names the button as its
// buddy. The label stays hidden: the page paints its own.
void SetBuddyLabel(QWidget* control, const QString& text)
{
    QWidget* parent = control->parentWidget();
    if (!parent) {
        return;
    }
    for (QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == control) {
            label->setText(text);
            return;
        }
    }
    auto* label = new QLabel(text, parent);
    label->hide();
    label->setBuddy(control);
}

} // namespace

void CWnd::SetAccessibleName(const std::string& name)
{
    layer::WindowRecord* rec = layer::Find(m_hWnd);
    if (!rec || !rec->outer) {
        return;
    }
    rec->outer->setAccessibleName(QString::fromStdString(name));
}

void CWnd::SetAccessibleDescription(const std::string& description)
{
    layer::WindowRecord* rec = layer::Find(m_hWnd);
    if (!rec || !rec->outer) {
        return;
    }
    // Qt announces every change to the screen reader; a page that paints the same sentence again has
    // nothing new to say.
    const QString text = QString::fromStdString(description);
    if (rec->outer->accessibleDescription() != text) {
        rec->outer->setAccessibleDescription(text);
    }
}

void CWnd::SetAccessibleGroupName(const std::string& name)
{
    layer::WindowRecord* rec = layer::Find(m_hWnd);
    auto* button = rec ? qobject_cast<QAbstractButton*>(rec->outer.data()) : nullptr;
    if (!button || !button->group()) {
        return;
    }
    const QString text = QString::fromStdString(name);
    for (QAbstractButton* member : button->group()->buttons()) {
        SetBuddyLabel(member, text);
    }
}
