#include "platform/window/DataExchange.h"

#include "platform/window/Wnd.h"

namespace {

// Thrown by Fail(), caught by UpdateData: the exchange stops at the field that failed.
struct ExchangeStopped {};

} // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    CWnd* control = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(nIDC) : nullptr;
    m_hWndLastControl = control ? control->m_hWnd : nullptr;
    m_bEditLastControl = FALSE;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    const HWND h = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return h;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl) {
        if (CWnd* control = CWnd::FromHandle(m_hWndLastControl)) {
            control->SetFocus();
            if (m_bEditLastControl) {
                control->SendMessage(EM_SETSEL, 0, -1); // its whole text
            }
        }
    }
    throw ExchangeStopped{};
}

namespace layer {

BOOL ExchangeData(CWnd* wnd, BOOL bSaveAndValidate)
{
    CDataExchange dx(wnd, bSaveAndValidate);
    try {
        wnd->DoDataExchange(&dx);
    } catch (const ExchangeStopped&) {
        return FALSE;
    }
    return TRUE;
}

} // namespace layer
