#pragma once
// The exchange between a window's members and its controls that CWnd::UpdateData runs through the
// window's DoDataExchange (the DDX_ calls: Ddx.h). A field that fails stops the exchange there: the
// focus goes to that field, an edit's text selected, and UpdateData answers FALSE.

#include "platform/core/Types.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls → members
    CWnd* m_pDlgWnd;

    HWND PrepareCtrl(int nIDC);     // the control, which becomes the one to focus on failure
    HWND PrepareEditCtrl(int nIDC); // the same, and its text is selected on failure
    // Stops the exchange: focus (and selection) on the last prepared control; UpdateData answers FALSE.
    [[noreturn]] void Fail();

private:
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

namespace layer {
// Runs the window's DoDataExchange, as CWnd::UpdateData does; FALSE when a field failed.
BOOL ExchangeData(CWnd* wnd, BOOL bSaveAndValidate);
} // namespace layer
