#pragma once
// Dialogs from templates: modal (DoModal, with its own event loop) or as a child window (Create).
//
// Keys as dialogs handle them (PreTranslateMessage, unless a derived class swallows them first):
//   Tab / Shift+Tab  the next / previous visible, enabled WS_TABSTOP control in template order;
//   Enter            presses the focused push button, else the default push button (BS_DEFPUSHBUTTON),
//                    else nothing;
//   Escape           sends IDCANCEL (WM_COMMAND 2), as does the system close request (SC_CLOSE).
// A press on the dialog's background leaves the focus with the control that has it. A modal dialog owns
// its keys; when it ends, the window that was active before it is active again.
// A frameless popup (WS_POPUP without WS_CAPTION) with WS_BORDER gets a 1-pixel black frame line
// around its client area. Without a WM_PAINT/WM_ERASEBKGND handler a dialog is plain white.

#include "platform/core/DialogTemplate.h"
#include "platform/dialog/Ddx.h"
#include "platform/window/Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(const DialogTemplate& dialogTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Creates the dialog (modeless): a child window when the template says WS_CHILD, else a top-level
    // window owned by pParentWnd. WM_CREATE, the controls, then WM_INITDIALOG (OnInitDialog).
    using CWnd::Create; // the window's own form stays callable beside the template's
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(const DialogTemplate& dialogTemplate, CWnd* pParentWnd = nullptr);
    // Creates, shows and runs the dialog until EndDialog; destroys the window and answers the result
    // (-1 when the template is missing or the creation failed).
    virtual INT_PTR DoModal();
    // Ends a modal dialog with nResult; a modeless one is hidden.
    void EndDialog(int nResult);

    // Standard initialisation: UpdateData(FALSE) once (binds DDX_Control members, writes members into
    // controls). Answer TRUE to let the layer put the focus on the first tab stop.
    virtual BOOL OnInitDialog();
    virtual void OnOK();     // UpdateData(TRUE), then EndDialog(IDOK) when it succeeded
    virtual void OnCancel(); // EndDialog(IDCANCEL)
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Focus moves as Tab and Shift+Tab do.
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void MapDialogRect(LPRECT lpRect) const; // dialog units to pixels
    const DialogTemplate* GetTemplate() const { return m_pTemplate; }

protected:
    DECLARE_MESSAGE_MAP()

private:
    friend class CFormView;
    BOOL CreateFromTemplate(CWnd* pParentWnd, BOOL modal);

    const DialogTemplate* m_pTemplate = nullptr;
    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;
    int m_nModalResult = -1;
    bool m_bInModalLoop = false;
};
