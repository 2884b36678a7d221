#include "food/FoodTotalBar.h"

CFoodTotalBar::CFoodTotalBar(CWnd* pParent) : CPageDlg(IDD, pParent) {}
