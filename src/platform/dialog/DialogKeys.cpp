#include "platform/dialog/DialogKeys.h"

#include "platform/controls/ControlOps.h"
#include "platform/dialog/FormView.h"
#include "platform/window/Dispatcher.h"
#include "platform/window/Wnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <vector>

using layer::Find;
using layer::WindowRecord;

namespace {

// The window whose Tab loop the dialog's keys move in: the dialog, or the window its child dialogs and
// forms stand in.
HWND TabLoopOf(HWND dialog)
{
    const WindowRecord* r = Find(dialog);
    while (r && layer::IsControlParent(r) && Find(r->parent)) {
        r = Find(r->parent);
    }
    return r ? r->hwnd : dialog;
}

// A form scrolls the control that the keys focused into its view.
void ScrollIntoView(HWND control)
{
    for (const WindowRecord* r = Find(control); r; r = Find(r->parent)) {
        if (auto* form = dynamic_cast<CFormView*>(r->wnd)) {
            form->ScrollFocusIntoView();
        }
        if (!(r->style & WS_CHILD)) {
            break;
        }
    }
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
    ScrollIntoView(control);
}

void MoveDialogFocus(HWND dialog, bool forward)
{
    CWnd* window = CWnd::FromHandle(dialog);
    if (CWnd* next = window ? window->GetNextDlgTabItem(CWnd::GetFocus(), !forward) : nullptr) {
        FocusControl(next->m_hWnd);
    }
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
    // A control that takes these keys itself (a browser view) keeps them from the dialog.
    const LRESULT wants = target ? target->SendMessage(WM_GETDLGCODE, pMsg->wParam) : 0;
    if ((wants & DLGC_WANTALLKEYS) || (pMsg->wParam == VK_TAB && (wants & DLGC_WANTTAB))) {
        return FALSE;
    }
    const Qt::KeyboardModifiers modifiers = HeldModifiers();
    switch (pMsg->wParam) {
    case VK_TAB:
        if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) {
            return FALSE; // Ctrl+Tab is not the dialog's
        }
        MoveDialogFocus(TabLoopOf(dialog->m_hWnd), !(modifiers & Qt::ShiftModifier));
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
