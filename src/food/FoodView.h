#pragma once
// The food-calorie page: a scrolling form on template 135 with a dish box and a portion box per food
// category, created by the main window as a visible child at (215, 140)–(685, 360). The total bar
// under it is shown and hidden together with it. It deletes itself when its window is destroyed.

#include "res/Resource.h"
#include "ui/platform/Afx.h"

#include <array>

class CFoodTotalBar;

class CFoodView : public CFormView {
public:
    enum { IDD = IDD_FOOD_FORM };

    CFoodView();

    CFoodTotalBar* m_pTotalBar = nullptr; // not owned; set by the main window before Create

    // Puts all 32 boxes on their first entries: dish boxes of rows 1 to 16, then portion boxes.
    // Raises no selection-change notification.
    void ResetSelections();

protected:
    // Portion boxes of rows 16 down to 1, then dish boxes of rows 16 down to 1.
    CComboBox m_cbPortion16, m_cbPortion15, m_cbPortion14, m_cbPortion13, m_cbPortion12, m_cbPortion11,
        m_cbPortion10, m_cbPortion9, m_cbPortion8, m_cbPortion7, m_cbPortion6, m_cbPortion5, m_cbPortion4,
        m_cbPortion3, m_cbPortion2, m_cbPortion1;
    CComboBox m_cbDish16, m_cbDish15, m_cbDish14, m_cbDish13, m_cbDish12, m_cbDish11, m_cbDish10, m_cbDish9,
        m_cbDish8, m_cbDish7, m_cbDish6, m_cbDish5, m_cbDish4, m_cbDish3, m_cbDish2, m_cbDish1;

    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override;

    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);

    DECLARE_MESSAGE_MAP()

private:
    // Rows 1 to 16 at indexes 0 to 15.
    std::array<CComboBox*, 16> DishBoxes();
    std::array<CComboBox*, 16> PortionBoxes();
};
