#include "food/FoodView.h"

#include "food/FoodCatalogue.h"
#include "food/FoodFinderDlg.h"
#include "food/FoodTotalBar.h"
#include "ui/PagePaint.h"
#include "ui/SkinColors.h"
#include "ui/SkinDraw.h"

#include <string>

namespace {

constexpr COLORREF kRowValueColor = RGB(0, 0, 192);
constexpr int kLabelLeft = 10;
constexpr int kValueFromRight = 100; // the row values start this far left of the client's right edge
constexpr int kTextFromBandTop = 10;

} // namespace

// Both boxes of row N, IDC_DISHN and IDC_PORTIONN, go to row N's handler.
BEGIN_MESSAGE_MAP(CFoodView, CFormView)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_VSCROLL()
    ON_WM_SHOWWINDOW()
    ON_CBN_SELCHANGE(IDC_DISH1, &CFoodView::OnSelChangeRow1)
    ON_CBN_SELCHANGE(IDC_PORTION1, &CFoodView::OnSelChangeRow1)
    ON_CBN_SELCHANGE(IDC_DISH2, &CFoodView::OnSelChangeRow2)
    ON_CBN_SELCHANGE(IDC_PORTION2, &CFoodView::OnSelChangeRow2)
    ON_CBN_SELCHANGE(IDC_DISH3, &CFoodView::OnSelChangeRow3)
    ON_CBN_SELCHANGE(IDC_PORTION3, &CFoodView::OnSelChangeRow3)
    ON_CBN_SELCHANGE(IDC_DISH4, &CFoodView::OnSelChangeRow4)
    ON_CBN_SELCHANGE(IDC_PORTION4, &CFoodView::OnSelChangeRow4)
    ON_CBN_SELCHANGE(IDC_DISH5, &CFoodView::OnSelChangeRow5)
    ON_CBN_SELCHANGE(IDC_PORTION5, &CFoodView::OnSelChangeRow5)
    ON_CBN_SELCHANGE(IDC_DISH6, &CFoodView::OnSelChangeRow6)
    ON_CBN_SELCHANGE(IDC_PORTION6, &CFoodView::OnSelChangeRow6)
    ON_CBN_SELCHANGE(IDC_DISH7, &CFoodView::OnSelChangeRow7)
    ON_CBN_SELCHANGE(IDC_PORTION7, &CFoodView::OnSelChangeRow7)
    ON_CBN_SELCHANGE(IDC_DISH8, &CFoodView::OnSelChangeRow8)
    ON_CBN_SELCHANGE(IDC_PORTION8, &CFoodView::OnSelChangeRow8)
    ON_CBN_SELCHANGE(IDC_DISH9, &CFoodView::OnSelChangeRow9)
    ON_CBN_SELCHANGE(IDC_PORTION9, &CFoodView::OnSelChangeRow9)
    ON_CBN_SELCHANGE(IDC_DISH10, &CFoodView::OnSelChangeRow10)
    ON_CBN_SELCHANGE(IDC_PORTION10, &CFoodView::OnSelChangeRow10)
    ON_CBN_SELCHANGE(IDC_DISH11, &CFoodView::OnSelChangeRow11)
    ON_CBN_SELCHANGE(IDC_PORTION11, &CFoodView::OnSelChangeRow11)
    ON_CBN_SELCHANGE(IDC_DISH12, &CFoodView::OnSelChangeRow12)
    ON_CBN_SELCHANGE(IDC_PORTION12, &CFoodView::OnSelChangeRow12)
    ON_CBN_SELCHANGE(IDC_DISH13, &CFoodView::OnSelChangeRow13)
    ON_CBN_SELCHANGE(IDC_PORTION13, &CFoodView::OnSelChangeRow13)
    ON_CBN_SELCHANGE(IDC_DISH14, &CFoodView::OnSelChangeRow14)
    ON_CBN_SELCHANGE(IDC_PORTION14, &CFoodView::OnSelChangeRow14)
    ON_CBN_SELCHANGE(IDC_DISH15, &CFoodView::OnSelChangeRow15)
    ON_CBN_SELCHANGE(IDC_PORTION15, &CFoodView::OnSelChangeRow15)
    ON_CBN_SELCHANGE(IDC_DISH16, &CFoodView::OnSelChangeRow16)
    ON_CBN_SELCHANGE(IDC_PORTION16, &CFoodView::OnSelChangeRow16)
END_MESSAGE_MAP()

CFoodView::CFoodView() : CFormView(IDD) {}

CFoodView::~CFoodView() = default;

std::array<CComboBox*, 16> CFoodView::DishBoxes()
{
    return {&m_cbDish1,  &m_cbDish2,  &m_cbDish3,  &m_cbDish4,  &m_cbDish5,  &m_cbDish6,  &m_cbDish7,  &m_cbDish8,
            &m_cbDish9,  &m_cbDish10, &m_cbDish11, &m_cbDish12, &m_cbDish13, &m_cbDish14, &m_cbDish15, &m_cbDish16};
}

std::array<CComboBox*, 16> CFoodView::PortionBoxes()
{
    return {&m_cbPortion1,  &m_cbPortion2,  &m_cbPortion3,  &m_cbPortion4,  &m_cbPortion5,  &m_cbPortion6,
            &m_cbPortion7,  &m_cbPortion8,  &m_cbPortion9,  &m_cbPortion10, &m_cbPortion11, &m_cbPortion12,
            &m_cbPortion13, &m_cbPortion14, &m_cbPortion15, &m_cbPortion16};
}

std::string CFoodView::ResultsText()
{
    const CFoodCatalogue catalogue;
    std::string text;
    for (int row = CFoodCatalogue::kFirstRow; row <= CFoodCatalogue::kLastRow; ++row) {
        const auto index = static_cast<std::size_t>(row - CFoodCatalogue::kFirstRow);
        const CComboBox* dishBox = DishBoxes()[index];
        const CComboBox* portionBox = PortionBoxes()[index];
        std::string dish;
        std::string portion;
        if (dishBox->GetCurSel() < 1 || dishBox->GetLBText(dishBox->GetCurSel(), dish) < 0) {
            continue; // no dish chosen in this row
        }
        portionBox->GetLBText(portionBox->GetCurSel(), portion);
        text += std::string(catalogue.CategoryLabel(row)) + "\t" + dish + "\t" + portion + "\t" +
                FormatRowKcal(m_tally.RowKcal(row)) + "\n";
    }
    return text + FormatTotalKcal(m_tally.Total()) + "\n";
}

void CFoodView::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    const CFoodCatalogue catalogue;
    const std::array<CComboBox*, 16> portions = PortionBoxes();
    const std::array<CComboBox*, 16> dishes = DishBoxes();
    for (int row = CFoodCatalogue::kLastRow; row >= CFoodCatalogue::kFirstRow; --row) {
        DDX_Control(pDX, catalogue.PortionBoxId(row), *portions[static_cast<std::size_t>(row - 1)]);
    }
    for (int row = CFoodCatalogue::kLastRow; row >= CFoodCatalogue::kFirstRow; --row) {
        DDX_Control(pDX, catalogue.DishBoxId(row), *dishes[static_cast<std::size_t>(row - 1)]);
    }
}

void CFoodView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    // The portion box adds the caption of its column in the header picture, so the two boxes of a
    // row do not sound alike.
    const CFoodCatalogue catalogue;
    const std::array<CComboBox*, 16> dishes = DishBoxes();
    const std::array<CComboBox*, 16> portions = PortionBoxes();
    for (int row = CFoodCatalogue::kFirstRow; row <= CFoodCatalogue::kLastRow; ++row) {
        const std::string label(catalogue.CategoryLabel(row));
        const auto index = static_cast<std::size_t>(row - CFoodCatalogue::kFirstRow);
        dishes[index]->SetAccessibleName(label);
        portions[index]->SetAccessibleName(label + " 분량");
    }
}

void CFoodView::ResetSelections()
{
    for (CComboBox* box : DishBoxes()) {
        box->SetCurSel(0);
    }
    for (CComboBox* box : PortionBoxes()) {
        box->SetCurSel(0);
    }
}

void CFoodView::ResetAll()
{
    ResetSelections();
    m_tally.Reset();
    RepaintNow();
}

void CFoodView::UpdateTotal()
{
    if (m_pTotalBar) {
        m_pTotalBar->SetTotal(m_tally.Total());
    }
}

void CFoodView::RepaintNow() { RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

// Selection changes -------------------------------------------------------------------------------------

void CFoodView::SelChangeRow(int row)
{
    const auto index = static_cast<std::size_t>(row - CFoodCatalogue::kFirstRow);
    const int dish = DishBoxes()[index]->GetCurSel();
    if (dish < 1) {
        return;
    }
    const int portion = PortionBoxes()[index]->GetCurSel();
    if (!m_tally.Select(row, dish, portion)) {
        return;
    }
    RepaintNow();
    UpdateTotal();
}

// The dish finder ------------------------------------------------------------------------------------

BOOL CFoodView::PreTranslateMessage(MSG* pMsg)
{
    if (IsFinderKey(*pMsg)) {
        FindDish();
        return TRUE;
    }
    return CFormView::PreTranslateMessage(pMsg);
}

void CFoodView::FindDish()
{
    CFoodFinderDlg finder(GetTopLevelParent());
    if (finder.DoModal() != IDOK) {
        return;
    }
    const auto index = static_cast<std::size_t>(finder.m_nRow - CFoodCatalogue::kFirstRow);
    CComboBox& dishBox = *DishBoxes()[index];
    CComboBox& portionBox = *PortionBoxes()[index];
    dishBox.SetCurSel(finder.m_nDish);
    if (portionBox.GetCurSel() == 0) {
        portionBox.SetCurSel(portionBox.FindStringExact(-1, "1"));
    }
    const int bandTop = kPageBandHeight * finder.m_nRow - GetScrollPos(SB_VERT);
    ScrollIntoView(CRect(0, bandTop, 1, bandTop + kPageBandHeight));
    dishBox.SetFocus();
    SelChangeRow(finder.m_nRow);
}

void CFoodView::OnSelChangeRow1() { SelChangeRow(1); }
void CFoodView::OnSelChangeRow2() { SelChangeRow(2); }
void CFoodView::OnSelChangeRow3() { SelChangeRow(3); }
void CFoodView::OnSelChangeRow4() { SelChangeRow(4); }
void CFoodView::OnSelChangeRow5() { SelChangeRow(5); }
void CFoodView::OnSelChangeRow6() { SelChangeRow(6); }
void CFoodView::OnSelChangeRow7() { SelChangeRow(7); }
void CFoodView::OnSelChangeRow8() { SelChangeRow(8); }
void CFoodView::OnSelChangeRow9() { SelChangeRow(9); }
void CFoodView::OnSelChangeRow10() { SelChangeRow(10); }
void CFoodView::OnSelChangeRow11() { SelChangeRow(11); }
void CFoodView::OnSelChangeRow12() { SelChangeRow(12); }
void CFoodView::OnSelChangeRow13() { SelChangeRow(13); }
void CFoodView::OnSelChangeRow14() { SelChangeRow(14); }
void CFoodView::OnSelChangeRow15() { SelChangeRow(15); }
void CFoodView::OnSelChangeRow16() { SelChangeRow(16); }

// Painting ----------------------------------------------------------------------------------------------

BOOL CFoodView::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, kPageBackgroundColor);
    return FALSE; // as the platform reads it: the paint is still to erase; the paint covers everything
}

void CFoodView::OnPaint()
{
    // Bands, labels and values move with the boxes, which scroll as children of the form.
    const int scrollPos = GetScrollPos(SB_VERT);
    const PageBands bands{CFoodCatalogue::kFirstRow, CFoodCatalogue::kRowCount, scrollPos};
    PaintPageFace(this, bands, {}, [this, scrollPos](CDC& dc) {
        CRect client;
        GetClientRect(&client);
        const CFoodCatalogue catalogue;
        for (int row = CFoodCatalogue::kFirstRow; row <= CFoodCatalogue::kLastRow; ++row) {
            const int textTop = kPageBandHeight * row - scrollPos + kTextFromBandTop;
            dc.SetTextColor(kLabelColor);
            dc.TextOut(kLabelLeft, textTop, std::string(catalogue.CategoryLabel(row)));
            dc.SetTextColor(kRowValueColor);
            dc.TextOut(client.right - kValueFromRight, textTop, FormatRowKcal(m_tally.RowKcal(row)));
        }
    });
}

// Scrolling ----------------------------------------------------------------------------------------------

void CFoodView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    RepaintNow();
    CFormView::OnVScroll(nSBCode, nPos, pScrollBar);
}

BOOL CFoodView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll)
{
    RepaintNow();
    return CFormView::OnScroll(nScrollCode, nPos, bDoScroll);
}

BOOL CFoodView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    RepaintNow();
    return CFormView::OnScrollBy(sizeScroll, bDoScroll);
}

// Showing and lifetime -------------------------------------------------------------------------------------

void CFoodView::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CFormView::OnShowWindow(bShow, nStatus);
    if (m_pTotalBar) {
        m_pTotalBar->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    }
}

void CFoodView::PostNcDestroy()
{
    delete this;
}
