#include "body/WaistHipDlg.h"

#include "ui/PageKeys.h"

CWaistHipDlg::CWaistHipDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

BOOL CWaistHipDlg::PreTranslateMessage(MSG* pMsg)
{
    if (IsPageEnterOrEscape(*this, *pMsg)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CWaistHipDlg::PostNcDestroy()
{
    delete this;
}
