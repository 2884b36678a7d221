#include "body/RecommendDlg.h"

CRecommendDlg::CRecommendDlg(CWnd* pParent) : CPageDlg(IDD, pParent) {}
