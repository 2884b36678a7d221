#include "platform/dialog/Ddx.h"

#include "platform/controls/ControlOps.h"
#include "platform/controls/Controls.h"
#include "platform/dialog/DialogKeys.h"
#include "platform/dialog/MessageBoxes.h"
#include "platform/host/WindowRegistry.h"
#include "platform/window/Dispatcher.h"
#include "platform/window/Wnd.h"

using layer::Find;
using layer::WindowRecord;

namespace {

void Prompt(CDataExchange* pDX, const char* text)
{
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

// An edit's text and a member: saving, `read` takes the text into the member (or prompts and stops the
// exchange); loading, the edit shows what `write` makes of the member.
template <class Read, class Write>
void ExchangeEditText(CDataExchange* pDX, int nIDC, Read read, Write write)
{
    CWnd* control = CWnd::FromHandle(pDX->PrepareEditCtrl(nIDC));
    if (!control) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        read(control->GetWindowText());
    } else {
        control->SetWindowText(write());
    }
}

} // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd) {
        return;
    }
    const HWND h = pDX->PrepareCtrl(nIDC);
    WindowRecord* rec = Find(h);
    if (!rec) {
        return;
    }
    // The member object takes the control over from the object that had it.
    CWnd* previous = rec->wnd;
    const bool layerOwned = rec->layerOwnsObject;
    rec->wnd = &rControl;
    rec->layerOwnsObject = false;
    rControl.m_hWnd = h;
    if (previous && previous != &rControl) {
        previous->m_hWnd = nullptr;
        if (layerOwned) {
            delete previous;
        }
    }
    if (rec->outer) {
        rec->outer->update(); // an owner-drawn button paints through its new object
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeEditText(
        pDX, nIDC,
        [&](const std::string& text) {
            if (!ParseDdxInt(text, value)) {
                Prompt(pDX, "정수를 입력하십시오.");
            }
        },
        [&] { return FormatDdxInt(value); });
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    ExchangeEditText(
        pDX, nIDC,
        [&](const std::string& text) {
            if (!ParseDdxDouble(text, value)) {
                Prompt(pDX, "숫자를 입력하십시오.");
            }
        },
        [&] { return FormatDdxDouble(value); });
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value)
{
    ExchangeEditText(
        pDX, nIDC, [&](const std::string& text) { value = text; }, [&] { return value; });
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    const HWND first = pDX->PrepareCtrl(nIDC);
    WindowRecord* start = Find(first);
    if (!start) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = -1;
    }
    // From the first button to the next control that starts a group, counting radio buttons only.
    const std::vector<WindowRecord*> siblings = layer::ChildrenOf(start->parent);
    int index = 0;
    bool inGroup = false;
    for (WindowRecord* r : siblings) {
        if (r == start) {
            inGroup = true;
        } else if (!inGroup) {
            continue;
        } else if (r->style & WS_GROUP) {
            break;
        }
        if (!layer::IsRadioButton(r)) {
            continue;
        }
        if (pDX->m_bSaveAndValidate) {
            if (layer::Send(r->hwnd, BM_GETCHECK) == BST_CHECKED) {
                value = index;
            }
        } else {
            layer::Send(r->hwnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED);
        }
        ++index;
    }
}
