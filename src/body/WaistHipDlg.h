#pragma once
// The waist-to-hip (abdominal obesity) page: a child dialog on template 144 that the main window
// creates hidden at (215, 140), 470 × 250 pixels, and shows when that calculator is chosen. It deletes
// itself when its window is destroyed.

#include "res/Resource.h"
#include "ui/PageDlg.h"

class CWaistHipDlg : public CPageDlg {
public:
    enum { IDD = IDD_WAISTHIP };

    explicit CWaistHipDlg(CWnd* pParent = nullptr);
};
