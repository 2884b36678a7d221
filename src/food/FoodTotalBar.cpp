#include "food/FoodTotalBar.h"

#include "food/FoodFinderDlg.h"
#include "food/FoodTally.h"
#include "food/FoodView.h"
#include "ui/PagePaint.h"
#include "ui/SkinDraw.h"

#include <string>

namespace {

constexpr COLORREF kSentenceColor = RGB(192, 0, 0);

} // namespace

BEGIN_MESSAGE_MAP(CFoodTotalBar, CPageDlg)
    ON_BN_CLICKED(IDC_RESET, &CFoodTotalBar::OnReset)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND_SUPPRESSED()
END_MESSAGE_MAP()

CFoodTotalBar::CFoodTotalBar(CWnd* pParent) : CPageDlg(IDD, pParent) {}

CFoodTotalBar::~CFoodTotalBar() = default;

void CFoodTotalBar::DoDataExchange(CDataExchange* pDX)
{
    CPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RESET, m_btnReset);
}

BOOL CFoodTotalBar::OnInitDialog()
{
    CPageDlg::OnInitDialog();
    m_btnReset.SetBitmapId(IDB_BTN_RESET);
    m_btnReset.SetWindowPos(&wndTop, 0, 0, 55, 20, SWP_NOMOVE | SWP_SHOWWINDOW);
    m_btnReset.SetAccessibleName("다시하기"); // as its picture reads; the template's caption has a blank
    return TRUE;
}

BOOL CFoodTotalBar::PreTranslateMessage(MSG* pMsg)
{
    if (m_pFoodView && IsFinderKey(*pMsg)) {
        m_pFoodView->FindDish();
        return TRUE;
    }
    return CPageDlg::PreTranslateMessage(pMsg);
}

void CFoodTotalBar::SetTotal(double total)
{
    m_total = total;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// Every box back to its first entry and every row to 0; the selections change without notifications,
// so no row handler runs.
void CFoodTotalBar::OnReset()
{
    if (m_pFoodView) {
        m_pFoodView->ResetAll();
    }
    m_total = 0.0;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CFoodTotalBar::OnPaint()
{
    const std::string sentence = FormatTotalKcal(m_total);
    PaintPageFace(this, 0, {}, [&](CDC& dc) {
        dc.SetTextColor(kSentenceColor);
        dc.TextOut(100, 10, sentence);
    });
    // The sentence is the food calculator's result: screen readers hear it on the bar and on the page.
    SetAccessibleDescription(sentence);
    if (m_pFoodView) {
        m_pFoodView->SetAccessibleDescription(sentence);
    }
}
