#include "exercise/ExerciseDlg.h"

#include "ui/PageKeys.h"

CExerciseDlg::CExerciseDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

BOOL CExerciseDlg::PreTranslateMessage(MSG* pMsg)
{
    if (IsPageEnterOrEscape(*this, *pMsg)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CExerciseDlg::PostNcDestroy()
{
    delete this;
}
