#pragma once
// Dialog data exchange: members ↔ controls by control id, in the order DoDataExchange names them.
// Saving (UpdateData(TRUE)): an entry that does not parse shows the short prompt once
// ("정수를 입력하십시오." for int, "숫자를 입력하십시오." for double), puts the focus on that field with
// its text selected and stops the exchange there: earlier members keep their new values, later ones
// their old ones, and UpdateData answers FALSE.
// What an entry must hold, and how members are written: DdxParse.h.

#include "platform/dialog/DdxParse.h"
#include "platform/core/Types.h"

#include <string>

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

// Binds a member object to the control nIDC of the window (once; later calls do nothing).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
// The group runs from nIDC (its first radio button) to the next control with WS_GROUP, counting radio
// buttons only: value is the index of the checked one, -1 when none; writing checks that one.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

namespace layer {
// Runs the window's DoDataExchange, as CWnd::UpdateData does; FALSE when a field failed.
BOOL ExchangeData(CWnd* wnd, BOOL bSaveAndValidate);
} // namespace layer
