#include "MonkeyWindow.h"

#include "food/FoodTotalBar.h"
#include "platform/testing/TestDriver.h"
#include "web/BannerHostDlg.h"

namespace {
constexpr UINT WM_MONKEY_START = WM_APP + 1;
constexpr UINT WM_MONKEY_PING = WM_APP + 2;
} // namespace

BEGIN_MESSAGE_MAP(CMonkeyCalorieDlg, CCalorieDlg)
    ON_WM_SHOWWINDOW()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_MONKEY_START, &CMonkeyCalorieDlg::OnStart)
    ON_MESSAGE(WM_MONKEY_PING, &CMonkeyCalorieDlg::OnPing)
END_MESSAGE_MAP()

CWnd* CMonkeyCalorieDlg::Part(int part) const
{
    if (part >= kPartFood && part <= kPartWaistHip) {
        return PageWindowOf(static_cast<PageId>(part - kPartFood));
    }
    switch (part) {
    case kPartMain:
        return const_cast<CMonkeyCalorieDlg*>(this);
    case kPartTotalBar:
        return static_cast<CWnd*>(m_pTotalBar);
    case kPartBanner:
        return static_cast<CWnd*>(m_pBannerHost);
    default:
        return nullptr;
    }
}

bool CMonkeyCalorieDlg::LoopAnswers()
{
    m_pinged = false;
    if (!PostMessage(WM_MONKEY_PING)) {
        return false;
    }
    uitest::ProcessEvents();
    return m_pinged || uitest::WaitUntil([this] { return m_pinged; });
}

BOOL CMonkeyCalorieDlg::OnInitDialog()
{
    const BOOL result = CCalorieDlg::OnInitDialog();
    PostMessage(WM_MONKEY_START);
    return result;
}

void CMonkeyCalorieDlg::OnShowWindow(BOOL bShow, UINT nStatus)
{
    m_ended = m_ended || !bShow;
    CCalorieDlg::OnShowWindow(bShow, nStatus);
}

void CMonkeyCalorieDlg::OnDestroy()
{
    m_ended = true;
    CCalorieDlg::OnDestroy();
}

LRESULT CMonkeyCalorieDlg::OnStart(WPARAM, LPARAM)
{
    if (onStart) {
        onStart();
    }
    return 0;
}

LRESULT CMonkeyCalorieDlg::OnPing(WPARAM, LPARAM)
{
    m_pinged = true;
    return 0;
}
