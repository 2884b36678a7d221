#pragma once
// The recommended-minimum-calorie page: a child dialog on template 142 that the main window creates
// hidden at (215, 140), 470 × 250 pixels, and shows when that calculator is chosen. It deletes itself
// when its window is destroyed.

#include "res/Resource.h"
#include "ui/PageDlg.h"

class CRecommendDlg : public CPageDlg {
public:
    enum { IDD = IDD_RECOMMEND };

    explicit CRecommendDlg(CWnd* pParent = nullptr);
};
