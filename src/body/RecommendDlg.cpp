#include "body/RecommendDlg.h"

CRecommendDlg::CRecommendDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CRecommendDlg::PostNcDestroy()
{
    delete this;
}
