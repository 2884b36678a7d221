#pragma once
// The main window: a frameless 780 × 530 notebook skin with the calculator menu on the left, the
// chosen calculator page on the sheet, the food total bar and the banner strip under it, four link
// tabs on the right edge, and the close and minimise buttons. Any press on the skin outside the logo
// drags the window; the logo opens the publisher's site.

#include "app/PageModel.h"
#include "platform/Afx.h"
#include "res/Resource.h"
#include "ui/HoverButton.h"
#include "ui/MenuButton.h"

class CBannerHostDlg;
class CBmiDlg;
class CExerciseDlg;
class CFoodTotalBar;
class CFoodView;
class CRecommendDlg;
class CWaistHipDlg;

class CCalorieDlg : public CDialog {
public:
    enum { IDD = IDD_CALORIE_DIALOG };

    explicit CCalorieDlg(CWnd* pParent = nullptr);

    // The calculator keys, from any focus: Ctrl+1 to Ctrl+5 show the calculators in menu order, Ctrl+Tab
    // and Ctrl+PageDown the next one, Ctrl+Shift+Tab and Ctrl+PageUp the one before; Ctrl+C copies the shown
    // calculator's results unless an entry has text selected. Then the dialog's keys.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    CRect m_rcLogo{40, 50, 180, 130};  // the skin's logo, client coordinates
    HCURSOR m_hHandCursor = nullptr;   // loaded on first use
    HCURSOR m_hSavedCursor = nullptr;  // the cursor when the pointer first entered the logo
    int m_nTitleBitmapId = IDB_TITLE_FOOD;
    CBannerHostDlg* m_pBannerHost = nullptr;
    CMenuButton* m_pCurrentMenuButton = nullptr;
    CWnd* m_pCurrentPage = nullptr;
    // Children created with new; each deletes itself when its window is destroyed.
    CFoodView* m_pFoodView = nullptr;
    CFoodTotalBar* m_pTotalBar = nullptr;
    CExerciseDlg* m_pExercisePage = nullptr;
    CRecommendDlg* m_pRecommendPage = nullptr;
    CBmiDlg* m_pBmiPage = nullptr;
    CWaistHipDlg* m_pWaistHipPage = nullptr;
    CHoverButton m_btnMinimize;  // IDCANCEL
    CHoverButton m_btnClose;     // IDOK
    CMenuButton m_btnRecommend;  // IDC_MENU_RECOMMEND
    CMenuButton m_btnWaistHip;   // IDC_MENU_WAISTHIP
    CMenuButton m_btnBmi;        // IDC_MENU_BMI
    CMenuButton m_btnExercise;   // IDC_MENU_EXERCISE
    CMenuButton m_btnFood;       // IDC_MENU_FOOD
    CHoverButton m_btnRelay;     // IDC_RELAY
    CHoverButton m_btnMall;      // IDC_MALL
    CHoverButton m_btnDiary;     // IDC_DIARY
    CHoverButton m_btnBody;      // IDC_BODY
    HICON m_hIcon = nullptr;
    CPageModel m_pageModel; // which page, menu button and title are current

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnCreatePages(WPARAM, LPARAM);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnBtnDiary();
    afx_msg void OnBtnBody();
    afx_msg void OnBtnRelay();
    afx_msg void OnBtnMall();
    afx_msg void OnBtnFood();
    afx_msg void OnBtnExercise();
    afx_msg void OnBtnRecommend();
    afx_msg void OnBtnBmi();
    afx_msg void OnBtnWaistHip();
    afx_msg void OnMinimize();

    // The calculators other than the food one, each hidden; once (the food view is made in OnCreate).
    void CreatePages();
    // The page window of a calculator; null for one not made yet (CreatePages).
    CWnd* PageWindowOf(PageId page) const;
    CMenuButton& MenuButtonOf(PageId page);

    DECLARE_MESSAGE_MAP()

private:
    void CreatePage(CDialog* page, UINT nIDTemplate, PageId id);
    // Applies the effects of a click on the page's menu button, in order.
    void SwitchTo(PageId page);
    // A calculator key (a key held with Ctrl); false for other keys.
    bool HandleCalculatorKey(UINT key, bool shift, HWND target);
    // The shown calculator's results as plain text; empty when it shows none.
    std::string ResultsText() const;
    void PaintIcon();
};
