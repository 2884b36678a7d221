#include "platform/dialog/DialogKeys.h"

#include "platform/controls/ControlOps.h"
#include "platform/window/Dispatcher.h"
#include "platform/window/Wnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <vector>

using layer::Find;
using layer::WindowRecord;

namespace {

bool IsFocusable(const WindowRecord* r)
{
    return (r->style & WS_TABSTOP) && r->outer && r->outer->isVisible() && r->outer->isEnabled();
}

// The dialog's default push button (BS_DEFPUSHBUTTON) as a person could press it now, or null.
WindowRecord* DefaultPushButton(HWND dialog)
{
    for (WindowRecord* r : layer::ChildrenOf(dialog)) {
        if (r->kind == layer::WindowKind::Button && (r->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && r->outer &&
            r->outer->isVisible() && r->outer->isEnabled()) {
            return r;
        }
    }
    return nullptr;
}

} // namespace

namespace layer {

void FocusControl(HWND control)
{
    WindowRecord* rec = Find(control);
    if (!rec || !rec->client) {
        return;
    }
    rec->client->setFocus(Qt::TabFocusReason);
    if (auto* edit = dynamic_cast<QLineEdit*>(rec->client.data())) {
        edit->selectAll();
    }
}

void MoveDialogFocus(HWND dialog, bool forward)
{
    std::vector<WindowRecord*> stops;
    for (WindowRecord* r : ChildrenOf(dialog)) {
        if (IsFocusable(r)) {
            stops.push_back(r);
        }
    }
    if (stops.empty()) {
        return;
    }
    // Where the focus is now: the tab stop that is or contains the focused window.
    int current = -1;
    if (QWidget* focus = QApplication::focusWidget()) {
        for (size_t i = 0; i < stops.size(); ++i) {
            if (stops[i]->outer == focus || stops[i]->outer->isAncestorOf(focus)) {
                current = static_cast<int>(i);
            }
        }
    }
    const int n = static_cast<int>(stops.size());
    const int next = current < 0 ? (forward ? 0 : n - 1) : (current + (forward ? 1 : n - 1)) % n;
    FocusControl(stops[static_cast<size_t>(next)]->hwnd);
}

BOOL HandleDialogKey(CWnd* dialog, MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN) {
        return FALSE;
    }
    CWnd* target = CWnd::FromHandle(pMsg->hwnd);
    if (pMsg->hwnd != dialog->m_hWnd && !dialog->IsChild(target)) {
        return FALSE;
    }
    switch (pMsg->wParam) {
    case VK_TAB:
        MoveDialogFocus(dialog->m_hWnd, !ShiftHeld());
        return TRUE;
    case VK_RETURN: {
        // The focused push button is pressed, else the dialog's default push button. Without either, Enter
        // does nothing: a press on the background never turns it into a surprise OK command.
        WindowRecord* r = Find(pMsg->hwnd);
        if (!r || !IsPushButton(r)) {
            r = DefaultPushButton(dialog->m_hWnd);
        }
        if (auto* button = r ? dynamic_cast<QAbstractButton*>(r->outer.data()) : nullptr) {
            button->click();
        }
        return TRUE;
    }
    case VK_ESCAPE:
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace layer
