#include "ui/PageDlg.h"

#include "ui/PageKeys.h"

BOOL CPageDlg::PreTranslateMessage(MSG* pMsg)
{
    if (IsPageEnterOrEscape(*this, *pMsg)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CPageDlg::PostNcDestroy() { delete this; }
