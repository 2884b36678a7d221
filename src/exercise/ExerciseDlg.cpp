#include "exercise/ExerciseDlg.h"

CExerciseDlg::CExerciseDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CExerciseDlg::PostNcDestroy()
{
    delete this;
}
