// CWnd's accessible name and description, on the window's Qt widget, which screen readers reach through
// Qt's accessibility.

#include "platform/window/Wnd.h"

#include "platform/host/WindowRegistry.h"

#include <QComboBox>
#include <QLabel>

namespace {

// On this desktop's accessibility a drop-down's name is the entry it shows, and a screen reader takes
// its label from a label widget that names the box as its buddy. The label stays hidden: the page
// paints its own.
void SetBuddyLabel(QComboBox* box, const QString& text)
{
    QWidget* parent = box->parentWidget();
    if (!parent) {
        return;
    }
    for (QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == box) {
            label->setText(text);
            return;
        }
    }
    auto* label = new QLabel(text, parent);
    label->hide();
    label->setBuddy(box);
}

} // namespace

void CWnd::SetAccessibleName(const std::string& name)
{
    layer::WindowRecord* rec = layer::Find(m_hWnd);
    if (!rec || !rec->outer) {
        return;
    }
    const QString text = QString::fromStdString(name);
    rec->outer->setAccessibleName(text);
    if (auto* box = qobject_cast<QComboBox*>(rec->outer.data())) {
        SetBuddyLabel(box, text);
    }
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
