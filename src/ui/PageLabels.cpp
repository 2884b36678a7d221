#include "ui/PageLabels.h"

#include "platform/window/Wnd.h"

void NameControlsByLabels(CWnd& page, std::span<const PageLabel> labels)
{
    for (const PageLabel& label : labels) {
        CWnd* control = label.control ? page.GetDlgItem(label.control) : nullptr;
        if (control) {
            control->SetAccessibleName(label.text);
        }
        if (CWnd* group = label.group ? page.GetDlgItem(label.group) : nullptr) {
            group->SetAccessibleGroupName(label.text);
        }
    }
}
