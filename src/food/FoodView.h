#pragma once
// The food-calorie page: a scrolling form on template 135 with a dish box and a portion box per food
// category, created by the main window as a visible child in its page area, above the total bar. Every
// choice in a row computes that row at once, repaints the page and hands the new total to the total bar,
// which is shown and hidden together with the page. Ctrl+F in the page opens the dish finder. It deletes
// itself when its window is destroyed.

#include "food/FoodTally.h"
#include "platform/Afx.h"
#include "res/Resource.h"

#include <array>

class CFoodTotalBar;

class CFoodView : public CFormView {
public:
    enum { IDD = IDD_FOOD_FORM };

    CFoodView();
    ~CFoodView() override;

    CFoodTotalBar* m_pTotalBar = nullptr; // not owned; set by the main window before Create

    // Puts all 32 boxes on their first entries: dish boxes of rows 1 to 16, then portion boxes.
    // Raises no selection-change notification.
    void ResetSelections();
    // ResetSelections, every row back to 0, and the page repainted at once. The bar is the caller's.
    void ResetAll();
    // Hands the total of the rows to the total bar.
    void UpdateTotal();
    // The sixteen row values, as the page shows them.
    const CFoodTally& Tally() const { return m_tally; }
    // A line for each row with a dish chosen (category, dish, portion, the row's calories, tab-separated),
    // then the total's sentence.
    std::string ResultsText();
    // Runs the dish finder; a dish chosen there goes into its row's dish box with the portion "1" where
    // the row's portion was "0", the row is scrolled into view and takes the focus, and the row and the
    // total are computed as a choice in the box computes them.
    void FindDish();

protected:
    CFoodTally m_tally; // the sixteen row values
    // Portion boxes of rows 16 down to 1, then dish boxes of rows 16 down to 1.
    CComboBox m_cbPortion16, m_cbPortion15, m_cbPortion14, m_cbPortion13, m_cbPortion12, m_cbPortion11,
        m_cbPortion10, m_cbPortion9, m_cbPortion8, m_cbPortion7, m_cbPortion6, m_cbPortion5, m_cbPortion4,
        m_cbPortion3, m_cbPortion2, m_cbPortion1;
    CComboBox m_cbDish16, m_cbDish15, m_cbDish14, m_cbDish13, m_cbDish12, m_cbDish11, m_cbDish10, m_cbDish9,
        m_cbDish8, m_cbDish7, m_cbDish6, m_cbDish5, m_cbDish4, m_cbDish3, m_cbDish2, m_cbDish1;

    void DoDataExchange(CDataExchange* pDX) override;
    // Binds the boxes, then names each row's boxes by the row's label for screen readers.
    void OnInitialUpdate() override;
    // Ctrl+F opens the dish finder; other keys as the form takes them.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;
    // Each repaints the whole page at the old position first, then scrolls as the base does.
    BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE) override;
    BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE) override;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    // A selection change in either box of row N.
    afx_msg void OnSelChangeRow1();
    afx_msg void OnSelChangeRow2();
    afx_msg void OnSelChangeRow3();
    afx_msg void OnSelChangeRow4();
    afx_msg void OnSelChangeRow5();
    afx_msg void OnSelChangeRow6();
    afx_msg void OnSelChangeRow7();
    afx_msg void OnSelChangeRow8();
    afx_msg void OnSelChangeRow9();
    afx_msg void OnSelChangeRow10();
    afx_msg void OnSelChangeRow11();
    afx_msg void OnSelChangeRow12();
    afx_msg void OnSelChangeRow13();
    afx_msg void OnSelChangeRow14();
    afx_msg void OnSelChangeRow15();
    afx_msg void OnSelChangeRow16();

    DECLARE_MESSAGE_MAP()

private:
    // The row rule for row N's two boxes; a dish box on ":::선택하세요:::" changes nothing.
    void SelChangeRow(int row);
    void RepaintNow();
    // Rows 1 to 16 at indexes 0 to 15.
    std::array<CComboBox*, 16> DishBoxes();
    std::array<CComboBox*, 16> PortionBoxes();
};
