#include "exercise/ExerciseDlg.h"

CExerciseDlg::CExerciseDlg(CWnd* pParent) : CPageDlg(IDD, pParent) {}
