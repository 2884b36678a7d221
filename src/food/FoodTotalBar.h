#pragma once
// The strip under the food page that shows the meal's total: a child dialog on template 145 that the
// main window places at (215, 360), 470 × 30 pixels. It deletes itself when its window is destroyed.

#include "res/Resource.h"
#include "ui/PageDlg.h"

class CFoodView;

class CFoodTotalBar : public CPageDlg {
public:
    enum { IDD = IDD_FOOD_TOTAL };

    explicit CFoodTotalBar(CWnd* pParent = nullptr);

    void SetFoodView(CFoodView* pFoodView) { m_pFoodView = pFoodView; }

    double m_total = 0.0;            // the total last handed over
    CFoodView* m_pFoodView = nullptr; // not owned; set by the main window
};
