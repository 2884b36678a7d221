#include "exercise/ExerciseDlg.h"

#include "exercise/ExerciseTable.h"
#include "exercise/ExerciseText.h"
#include "ui/PagePaint.h"
#include "ui/SkinDraw.h"

#include <string>

namespace {

constexpr COLORREF kSentenceColor = RGB(192, 0, 0); // dark red

// The weight, exercise and minutes labels name their inputs.
constexpr PageLabel kLabels[] = {{20, 10, "몸무게", IDC_WEIGHT},
                                 {190, 10, "kg"},
                                 {20, 42, "운동종목", IDC_EXERCISE},
                                 {275, 42, "운동시간", IDC_MINUTES},
                                 {435, 42, "분"}};

} // namespace

BEGIN_MESSAGE_MAP(CExerciseDlg, CCalcPageDlg)
    ON_WM_ERASEBKGND_SUPPRESSED()
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_OK, &CExerciseDlg::OnBtnOk)
    ON_BN_CLICKED(IDC_DELETE, &CExerciseDlg::OnBtnDelete)
END_MESSAGE_MAP()

CExerciseDlg::CExerciseDlg(CWnd* pParent) : CCalcPageDlg(IDD, pParent, m_btnOk, kLabels) {}

void CExerciseDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_DELETE, m_btnDelete);
    DDX_Control(pDX, IDC_LOG, m_listLog);
    DDX_Control(pDX, IDC_OK, m_btnOk);
    DDX_Control(pDX, IDC_EXERCISE, m_comboExercise);
    DDX_Text(pDX, IDC_MINUTES, m_nMinutes);
    DDX_Text(pDX, IDC_WEIGHT, m_dWeight);
}

void CExerciseDlg::PostNcDestroy()
{
    while (!m_exercises.IsEmpty()) {
        delete static_cast<ExerciseRecord*>(m_exercises.RemoveHead());
    }
    CCalcPageDlg::PostNcDestroy();
}

BOOL CExerciseDlg::OnInitDialog()
{
    CCalcPageDlg::OnInitDialog();
    m_listLog.SetAccessibleName("운동 기록"); // no label stands beside the log
    m_btnDelete.SetBitmapId(IDB_BTN_DELETE);
    m_btnDelete.SetWindowPos(&wndTop, 0, 0, 97, 20, SWP_NOMOVE | SWP_SHOWWINDOW); // one frame of its strip

    m_listLog.InsertColumn(0, "운동종목", LVCFMT_LEFT, 180);
    m_listLog.InsertColumn(1, "시간(분)", LVCFMT_LEFT, 100);
    m_listLog.InsertColumn(2, "칼로리(Kcal)", LVCFMT_LEFT, 170);
    m_listLog.SetExtendedStyle(m_listLog.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES |
                               LVS_EX_FULLROWSELECT);

    BuildExerciseTable([this](std::unique_ptr<ExerciseRecord> record) { AddExercise(std::move(record)); });
    m_comboExercise.SetCurSel(0); // the first name in Korean order, "가만히 서있기"
    return TRUE;
}

void CExerciseDlg::AddExercise(std::unique_ptr<ExerciseRecord> record)
{
    m_comboExercise.AddString(record->name);
    m_exercises.AddTail(record.release());
}

void CExerciseDlg::OnPaint()
{
    const std::string last = LastKcalSentence(m_dLastKcal);
    const std::string total = TotalKcalSentence(m_dTotalKcal);
    CRect update;
    GetUpdateRect(&update);
    bool sentencesPainted = false;
    PaintFace(8, [&](CDC& dc) {
        DrawTexts(dc, kSentenceColor, {{20, 74, last.c_str()}, {20, 234, total.c_str()}});
        const CSize lastSize = dc.GetTextExtent(last);
        const CSize totalSize = dc.GetTextExtent(total);
        const CRect lastRect(20, 74, 20 + lastSize.cx, 74 + lastSize.cy);
        const CRect totalRect(20, 234, 20 + totalSize.cx, 234 + totalSize.cy);
        sentencesPainted = !(update & lastRect).IsRectEmpty() || !(update & totalRect).IsRectEmpty();
    });
    // Screen readers hear what the page shows: so a product of 0 or less, which no paint followed, is
    // not heard before it is seen, also when the page paints only beneath its OK button as the button
    // shows the pointer resting on it.
    if (sentencesPainted) {
        SetAccessibleDescription(last + " " + total);
    }
}

void CExerciseDlg::OnBtnOk()
{
    // A field that does not parse has shown its prompt and has the focus: nothing is computed or logged.
    if (!UpdateData(TRUE)) {
        return;
    }

    const int selected = m_comboExercise.GetCurSel();
    if (selected < 0) {
        return;
    }
    std::string name;
    m_comboExercise.GetLBText(selected, name);
    POSITION position = m_exercises.GetHeadPosition();
    const ExerciseRecord* record = FindExercise(
        [&]() -> const ExerciseRecord* {
            return position ? static_cast<const ExerciseRecord*>(m_exercises.GetNext(position)) : nullptr;
        },
        name);
    if (!record) {
        AfxMessageBox("ERROR: 해당 데이터가 존재하지 않습니다.", MB_OK | MB_ICONEXCLAMATION);
        return;
    }

    m_dLastKcal = ExerciseKcal(*record, m_dWeight, m_nMinutes);
    if (m_dLastKcal <= 0) {
        return; // nothing to log; the new value shows at the next paint
    }
    m_listLog.InsertItem(0, name.c_str());
    m_listLog.SetItemText(0, 1, MinutesText(m_nMinutes).c_str());
    m_listLog.SetItemText(0, 2, KcalText(m_dLastKcal).c_str());
    RecalcTotal();
    RepaintNow();
}

std::string CExerciseDlg::ResultsText() const
{
    std::string text;
    for (int row = 0; row < m_listLog.GetItemCount(); ++row) {
        text += m_listLog.GetItemText(row, 0) + "\t" + m_listLog.GetItemText(row, 1) + "\t" +
                m_listLog.GetItemText(row, 2) + "\n";
    }
    return text + TotalKcalSentence(m_dTotalKcal) + "\n";
}

void CExerciseDlg::RecalcTotal()
{
    // From the texts the log shows, so the sum is the sum a person can add up from the rows.
    m_dTotalKcal = 0;
    const int count = m_listLog.GetItemCount();
    for (int row = 0; row < count; ++row) {
        char text[260] = {};
        m_listLog.GetItemText(row, 2, text, sizeof text);
        const float kcal = ParseKcalText(text);
        if (kcal > 0) {
            m_dTotalKcal += kcal;
        }
    }
}

void CExerciseDlg::OnBtnDelete()
{
    // Only ticked rows go; the highlighted selection plays no part. From the last row up, so that the
    // rows still to be visited keep their indexes.
    for (int row = m_listLog.GetItemCount() - 1; row >= 0; --row) {
        if (m_listLog.GetCheck(row)) {
            m_listLog.DeleteItem(row);
        }
    }
    RecalcTotal();
    RepaintNow();
}
