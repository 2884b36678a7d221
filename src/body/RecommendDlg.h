#pragma once
// The recommended-minimum-calorie page: a child dialog on template 142 that the main window creates
// hidden at (215, 140), 470 × 250 pixels, and shows when that calculator is chosen. It deletes itself
// when its window is destroyed.

#include "res/Resource.h"
#include "ui/platform/Afx.h"

class CRecommendDlg : public CDialog {
public:
    enum { IDD = IDD_RECOMMEND };

    explicit CRecommendDlg(CWnd* pParent = nullptr);

    // Enter and Escape neither close the page nor press a button.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PostNcDestroy() override;
};
