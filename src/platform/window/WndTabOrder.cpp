// CWnd's Tab order: the tab stops inside a window, as the keys move between them. A window has one Tab
// loop: the controls of the child dialogs and forms inside it stand in it in their places (DS_CONTROL on
// the classic desktop), and a radio group is one stop.

#include "platform/window/Wnd.h"

#include "platform/host/WindowRegistry.h"

#include <QAbstractButton>
#include <QButtonGroup>

#include <algorithm>
#include <vector>

using layer::WindowRecord;

namespace {

bool IsShown(const WindowRecord* r) { return r->outer && r->outer->isVisible() && r->outer->isEnabled(); }

// A radio group's stop: its checked button, or its first while none is checked.
bool IsRadioStop(const WindowRecord* r)
{
    const DWORD type = r->style & BS_TYPEMASK;
    auto* radio = r->kind == layer::WindowKind::Button && (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON)
                      ? dynamic_cast<QAbstractButton*>(r->outer.data())
                      : nullptr;
    if (!radio) {
        return false;
    }
    const QButtonGroup* group = radio->group();
    if (!group || group->checkedButton()) {
        return !group || radio->isChecked();
    }
    return group->buttons().value(0) == radio;
}

void CollectStops(HWND window, std::vector<WindowRecord*>& stops)
{
    for (WindowRecord* r : layer::ChildrenInTabOrder(window)) {
        if (!IsShown(r)) {
            continue;
        }
        if (layer::IsControlParent(r)) {
            CollectStops(r->hwnd, stops);
        } else if ((r->style & WS_TABSTOP) || IsRadioStop(r)) {
            stops.push_back(r);
        }
    }
}

} // namespace

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    std::vector<WindowRecord*> stops;
    CollectStops(m_hWnd, stops);
    if (stops.empty()) {
        return nullptr;
    }
    // The stop that is or holds pWndCtl (a radio button stands for its group).
    const WindowRecord* control = pWndCtl ? layer::Find(pWndCtl->m_hWnd) : nullptr;
    const auto holds = [control](const WindowRecord* stop) {
        if (!control || !stop->outer || !control->outer) {
            return false;
        }
        if (stop == control || stop->outer->isAncestorOf(control->outer)) {
            return true;
        }
        auto* a = dynamic_cast<QAbstractButton*>(stop->outer.data());
        auto* b = dynamic_cast<QAbstractButton*>(control->outer.data());
        return a && b && a->group() && a->group() == b->group();
    };
    const auto found = std::find_if(stops.begin(), stops.end(), holds);
    const int n = static_cast<int>(stops.size());
    int next = 0;
    if (found == stops.end()) {
        next = bPrevious ? n - 1 : 0;
    } else {
        const int at = static_cast<int>(found - stops.begin());
        next = (at + (bPrevious ? n - 1 : 1)) % n;
    }
    return stops[static_cast<std::size_t>(next)]->wnd;
}
