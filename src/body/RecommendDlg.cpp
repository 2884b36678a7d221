#include "body/RecommendDlg.h"

#include "ui/PageKeys.h"

CRecommendDlg::CRecommendDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

BOOL CRecommendDlg::PreTranslateMessage(MSG* pMsg)
{
    if (IsPageEnterOrEscape(*this, *pMsg)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CRecommendDlg::PostNcDestroy()
{
    delete this;
}
