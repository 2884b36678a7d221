#include "food/FoodView.h"

#include "food/FoodCatalogue.h"
#include "food/FoodTotalBar.h"

BEGIN_MESSAGE_MAP(CFoodView, CFormView)
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CFoodView::CFoodView() : CFormView(IDD) {}

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

void CFoodView::ResetSelections()
{
    for (CComboBox* box : DishBoxes()) {
        box->SetCurSel(0);
    }
    for (CComboBox* box : PortionBoxes()) {
        box->SetCurSel(0);
    }
}

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
