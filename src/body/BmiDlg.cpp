#include "body/BmiDlg.h"

#include "body/Bmi.h"
#include "body/ResultColor.h"
#include "ui/PagePaint.h"
#include "ui/SkinColors.h"
#include "ui/SkinDraw.h"

#include <string>

namespace {

// The height and weight labels name their edits, the sex label the group of radio buttons, which carry
// their own texts.
constexpr PageLabel kLabels[] = {{20, 10, "키", IDC_HEIGHT},
                                 {190, 10, "cm"},
                                 {245, 10, "몸무게", IDC_WEIGHT},
                                 {400, 10, "kg"},
                                 {20, 42, "성별", 0, IDC_MALE}};

void DrawResult(CDC& dc, BmiOutcome outcome, const std::string& sentence)
{
    dc.SetTextColor(BmiSentenceColor(outcome));
    dc.TextOut(20, 112, sentence);
    DrawTexts(dc, kHeadingBlue, {{20, 144, "BMI(Body Mass Index;신체질량지수)란?"}});
    DrawTexts(dc, kLabelColor,
              {{30, 164, "비만 측정 지수의 하나로 체중(kg)/신장(㎡) 공식으로 산출합니다."},
               {30, 184, "BMI = 체중(kg)/신장(m)*신장(m) "}});
    DrawTexts(dc, kHeadingBlue, {{20, 216, "BMI 기준"}});
    DrawTexts(dc, kLabelColor, {{30, 236, "BMI 가 18.5 미만 : 저체중 /  18.5~24.9 : 정상 / 25이상 : 비만"}});
}

void DrawObesityParagraph(CDC& dc)
{
    DrawTexts(dc, kHeadingRed, {{20, 115, "비만이란 무엇일까요?"}});
    DrawTexts(dc, kLabelColor,
              {{20, 140, "알기 쉽게 말해서 체내에 지방이 필요 이상으로 많은 상태를 말합니다."},
               {20, 160, "하지만 체지방량을 측정하는 것이 복잡하고 부정확하다는 점 때문에 여러가지"},
               {20, 180, "간접적인 측정법들이 흔히 이용되고 있습니다."},
               {20, 200, "본 계산기에서는 가장 흔히 쓰는 BMI 계산법을 이용하여 여러분의 비만도를"},
               {20, 220, "계산해 드립니다. "}});
}

} // namespace

BEGIN_MESSAGE_MAP(CBmiDlg, CCalcPageDlg)
    ON_WM_CTLCOLOR()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND_SUPPRESSED()
    ON_BN_CLICKED(IDC_OK, &CBmiDlg::OnBtnOk)
END_MESSAGE_MAP()

CBmiDlg::CBmiDlg(CWnd* pParent) : CCalcPageDlg(IDD, pParent, m_btnOk, kLabels, kSexRadiosOnBandOne) {}

void CBmiDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_OK, m_btnOk);
    DDX_Text(pDX, IDC_HEIGHT, m_dHeight);
    DDX_Text(pDX, IDC_WEIGHT, m_dWeight);
    DDX_Radio(pDX, IDC_MALE, m_nSex);
}

void CBmiDlg::OnPaint()
{
    const BmiOutcome outcome = ClassifyBmi(m_dBmi, m_nSex);
    const std::string sentence = BmiSentence(outcome, m_dBmi); // empty while there is no result
    PaintFace(3, [&](CDC& dc) {
        if (m_dBmi > 0) { // a not-a-number index is not
            DrawResult(dc, outcome, sentence);
        } else {
            DrawObesityParagraph(dc);
        }
    });
    SetAccessibleDescription(sentence);
}

std::string CBmiDlg::ResultsText() const
{
    if (!(m_dBmi > 0)) {
        return {};
    }
    return InputLine("키", m_dHeight, "cm") + InputLine("몸무게", m_dWeight, "kg") + "성별 " + SexText(m_nSex) + "\n" +
           BmiSentence(ClassifyBmi(m_dBmi, m_nSex), m_dBmi) + "\n";
}

void CBmiDlg::OnBtnOk()
{
    // A field that does not parse has shown its prompt and has the focus: nothing is computed, and the
    // page shows what it showed (the sex, read last, is never read before a refusal).
    if (!UpdateData(TRUE)) {
        return;
    }
    m_dBmi = ComputeBmi(m_dHeight, m_dWeight);
    RepaintNow();
}
