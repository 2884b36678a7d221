#include "body/WaistHipDlg.h"

CWaistHipDlg::CWaistHipDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CWaistHipDlg::PostNcDestroy()
{
    delete this;
}
