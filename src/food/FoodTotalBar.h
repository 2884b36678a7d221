#pragma once
// The strip under the food page that shows the meal's total as one sentence and carries the reset button
// "다시 하기": a child dialog on template 145 that the main window places at the bottom of its page area.
// Enter and Escape do nothing in it; Ctrl+F opens the food page's dish finder. It deletes itself when its
// window is destroyed.

#include "res/Resource.h"
#include "ui/HoverButton.h"
#include "ui/PageDlg.h"

class CFoodView;

class CFoodTotalBar : public CPageDlg {
public:
    enum { IDD = IDD_FOOD_TOTAL };

    explicit CFoodTotalBar(CWnd* pParent = nullptr);
    ~CFoodTotalBar() override;

    void SetFoodView(CFoodView* pFoodView) { m_pFoodView = pFoodView; }
    // Keeps the total and repaints the bar at once.
    void SetTotal(double total);

    double m_total = 0.0;             // the total last handed over
    CFoodView* m_pFoodView = nullptr; // not owned; set by the main window
    CHoverButton m_btnReset;          // IDC_RESET, "다시 하기"

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    afx_msg void OnReset();
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()
};
