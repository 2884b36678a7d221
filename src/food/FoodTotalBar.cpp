#include "food/FoodTotalBar.h"

CFoodTotalBar::CFoodTotalBar(CWnd* pParent) : CDialog(IDD, pParent) {}

void CFoodTotalBar::PostNcDestroy()
{
    delete this;
}
