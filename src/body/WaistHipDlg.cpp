#include "body/WaistHipDlg.h"

CWaistHipDlg::CWaistHipDlg(CWnd* pParent) : CPageDlg(IDD, pParent) {}
