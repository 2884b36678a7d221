#pragma once
// The host of the banner strip under the calculator pages: a child dialog on template 140 that the
// main window places at (215, 395), 485 × 90 pixels. It deletes itself when its window is destroyed.

#include "res/Resource.h"
#include "ui/platform/Afx.h"

class CBannerHostDlg : public CDialog {
public:
    enum { IDD = IDD_BANNER_HOST };

    explicit CBannerHostDlg(CWnd* pParent = nullptr);

protected:
    void PostNcDestroy() override;
};
