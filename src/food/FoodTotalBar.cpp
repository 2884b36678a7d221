#include "food/FoodTotalBar.h"

#include "ui/PageKeys.h"

CFoodTotalBar::CFoodTotalBar(CWnd* pParent) : CDialog(IDD, pParent) {}

BOOL CFoodTotalBar::PreTranslateMessage(MSG* pMsg)
{
    if (IsPageEnterOrEscape(*this, *pMsg)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CFoodTotalBar::PostNcDestroy()
{
    delete this;
}
