#include "web/BannerHostDlg.h"

CBannerHostDlg::CBannerHostDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CBannerHostDlg::PostNcDestroy()
{
    delete this;
}
