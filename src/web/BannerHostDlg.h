#pragma once
// The host of the banner strip under the calculator pages: a child dialog on template 140 that the
// main window places at (215, 395), 485 × 90 pixels, with the banner's browser view inside. Like the
// pages, it keeps Enter and Escape to itself, so no key hides or closes the strip; the keys of the page
// in the view are the page's (CHtmlView). It deletes itself when its window is destroyed.

#include "platform/Afx.h"
#include "res/Resource.h"

class CADView;

// Posted by the banner worker (BannerThreadProc) when the remote banner can be reached: the view goes
// to it.
inline constexpr UINT WM_BANNER_NAVIGATE = WM_APP + 0x51;

class CBannerHostDlg : public CDialog {
public:
    enum { IDD = IDD_BANNER_HOST };

    explicit CBannerHostDlg(CWnd* pParent = nullptr);

    CADView* m_pView = nullptr; // made in OnInitDialog; deletes itself with its window

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;
    afx_msg LRESULT OnBannerNavigate(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
