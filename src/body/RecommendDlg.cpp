#include "body/RecommendDlg.h"

#include "body/Bmi.h"
#include "body/MinimumKcal.h"
#include "body/ResultColor.h"
#include "ui/PagePaint.h"
#include "ui/SkinColors.h"
#include "ui/SkinDraw.h"

#include <string>

namespace {

// Below this index losing weight may do harm, for either sex.
constexpr double kUnderweightBound = 18.5;
constexpr char kUnderweightWarning[] = "귀하는 저체중에 해당되므로 체중 감량이 해로울 수 있습니다.";

// The height, weight and age labels name their edits, the sex label the group of radio buttons, which
// carry their own texts.
constexpr PageLabel kLabels[] = {{20, 10, "키", IDC_HEIGHT},     {190, 10, "cm"},
                                 {245, 10, "몸무게", IDC_WEIGHT}, {400, 10, "kg"},
                                 {20, 42, "만나이", IDC_AGE},     {245, 42, "성별", 0, IDC_MALE}};

void DrawUnderweightWarning(CDC& dc)
{
    DrawTexts(dc, kResultRed, {{20, 112, kUnderweightWarning}});
    DrawTexts(dc, kLabelColor,
              {{30, 137, "그럼에도 불구하고 체중을 꼭 빼야 할 사유가 있는 분은 전문가와의"},
               {30, 157, "상담을 통해 도움을 받으시기 바랍니다."}});
}

void DrawMinimumIntake(CDC& dc, const std::string& sentence)
{
    dc.SetTextColor(kResultRed);
    dc.TextOut(20, 112, sentence);
    DrawTexts(dc, kLabelColor,
              {{30, 137, "본 계산기에서 제시하는 칼로리는 요요현상 없는 건강한 체중 조절을 위해"},
               {30, 157, "귀하가 섭취해야 할 최소칼로리입니다. 최소한 권장 칼로리 이상을 드시고"},
               {30, 177, "골고루 드시려고 노력한다면 건강과 날씬한 몸매를 동시에 얻을 수 있습니다."}});
}

void DrawBasalMetabolismParagraph(CDC& dc)
{
    DrawTexts(dc, kLabelColor,
              {{20, 115, "우리 몸을 유지하는데 꼭 필요한 최소한의 열량을 기초대사량이라고 하는데,"},
               {20, 135, "다이어트를 할 때 이 기초대사량보다도 섭취 열량이 적게 되면, 신체 내에서는"},
               {20, 155, "모자라는 열량과 영양소를 충당하기 위해 지방뿐만 아니라 근육을 분해하여"},
               {20, 175, "이용하게 됩니다. 따라서 체중은 상당히 줄게 되지만 빠진 체중의 상당 부분은"},
               {20, 195, "체지방이 아닌 근육입니다. 일반적으로 열량 섭취를 과도하게 줄이면 줄일수록"},
               {20, 215, "지방보다는 근육이 더 많이 소실되게 됩니다."}});
}

} // namespace

BEGIN_MESSAGE_MAP(CRecommendDlg, CCalcPageDlg)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND_SUPPRESSED()
    ON_WM_CTLCOLOR()
    ON_BN_CLICKED(IDC_OK, &CRecommendDlg::OnBtnOk)
END_MESSAGE_MAP()

CRecommendDlg::CRecommendDlg(CWnd* pParent)
    : CCalcPageDlg(IDD, pParent, m_btnOk, kLabels, kSexRadiosOnBandOne)
{
}

void CRecommendDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_OK, m_btnOk);
    DDX_Text(pDX, IDC_AGE, m_nAge);
    DDX_Text(pDX, IDC_HEIGHT, m_dHeight);
    DDX_Text(pDX, IDC_WEIGHT, m_dWeight);
    DDX_Radio(pDX, IDC_MALE, m_nSex);
}

void CRecommendDlg::OnPaint()
{
    const bool result = m_dBmi > 0; // a not-a-number index is not
    const bool underweight = result && m_dBmi < kUnderweightBound;
    const std::string sentence = Sentence(); // screen readers read it as the page's description
    PaintFace(3, [&](CDC& dc) {
        if (!result) {
            DrawBasalMetabolismParagraph(dc);
        } else if (underweight) {
            DrawUnderweightWarning(dc);
        } else {
            DrawMinimumIntake(dc, sentence);
        }
    });
    SetAccessibleDescription(sentence);
}

std::string CRecommendDlg::Sentence() const
{
    if (!(m_dBmi > 0)) {
        return {};
    }
    return m_dBmi < kUnderweightBound ? kUnderweightWarning : MinimumKcalSentence(m_dMinKcal);
}

std::string CRecommendDlg::ResultsText() const
{
    const std::string sentence = Sentence();
    if (sentence.empty()) {
        return {};
    }
    return InputLine("키", m_dHeight, "cm") + InputLine("몸무게", m_dWeight, "kg") + InputLine("만나이", m_nAge) +
           "성별 " + SexText(m_nSex) + "\n" + sentence + "\n";
}

void CRecommendDlg::OnBtnOk()
{
    // A field that does not parse has shown its prompt and has the focus: nothing is computed, and the
    // page shows what it showed.
    if (!UpdateData(TRUE)) {
        return;
    }
    m_dBmi = ComputeBmi(m_dHeight, m_dWeight);
    m_dMinKcal = MinimumKcal(m_nSex, m_dHeight, m_dWeight, m_nAge);
    RepaintNow();
}
