#pragma once
// The exercise-calorie page: a child dialog on template 141 that the main window creates hidden at
// (215, 140), 470 × 250 pixels, and shows when the exercise calculator is chosen. It deletes itself
// when its window is destroyed.

#include "res/Resource.h"
#include "ui/PageDlg.h"

class CExerciseDlg : public CPageDlg {
public:
    enum { IDD = IDD_EXERCISE };

    explicit CExerciseDlg(CWnd* pParent = nullptr);
};
