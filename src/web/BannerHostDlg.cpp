#include "web/BannerHostDlg.h"

#include "ui/PageKeys.h"
#include "web/ADView.h"
#include "web/BannerFetch.h"

BEGIN_MESSAGE_MAP(CBannerHostDlg, CDialog)
    ON_MESSAGE(WM_BANNER_NAVIGATE, &CBannerHostDlg::OnBannerNavigate)
END_MESSAGE_MAP()

CBannerHostDlg::CBannerHostDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CBannerHostDlg::PostNcDestroy()
{
    delete this;
}

BOOL CBannerHostDlg::PreTranslateMessage(MSG* pMsg)
{
    // Enter and Escape never hide or close the strip; those aimed at the view are its web page's, which the
    // dialog keys leave alone (the view takes every key).
    if (pMsg->hwnd == m_hWnd && IsPageEnterOrEscape(*this, *pMsg)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CBannerHostDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pView = new CADView;
    m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, IDC_BANNER_VIEW, nullptr);
    m_pView->ShowWindow(SW_SHOW);
    return TRUE;
}

LRESULT CBannerHostDlg::OnBannerNavigate(WPARAM, LPARAM)
{
    m_pView->Navigate2(BannerUrl());
    return 0;
}
