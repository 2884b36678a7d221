#include "body/WaistHipDlg.h"

#include "body/ResultColor.h"
#include "body/WaistHip.h"
#include "ui/PagePaint.h"
#include "ui/SkinColors.h"
#include "ui/SkinDraw.h"

#include <tuple>

namespace {

// The waist's unit row lies on band 0, the hip's on band 1, the sex row on band 2.
constexpr BandControl kBandControls[] = {
    {IDC_WAIST_INCH, kBandColorEven}, {IDC_WAIST_CM, kBandColorEven}, {IDC_MALE, kBandColorEven},
    {IDC_FEMALE, kBandColorEven},     {IDC_HIP_INCH, kBandColorOdd},  {IDC_HIP_CM, kBandColorOdd},
};

// The waist and hip labels name their edits and their units' radio groups, the sex label its group; the
// radio buttons carry their own texts.
constexpr PageLabel kLabels[] = {{20, 10, "허리둘레", IDC_WAIST, IDC_WAIST_INCH},
                                 {20, 42, "엉덩이둘레", IDC_HIP, IDC_HIP_INCH},
                                 {20, 74, "성별", 0, IDC_MALE}};

void DrawAdviceParagraph(CDC& dc)
{
    DrawTexts(dc, kHeadingRed, {{20, 135, "복부 비만을 해결하기 위해서는 어떻게 해야 할까요?"}});
    // The line at 151 opens the sentence that the next two lines end.
    DrawTexts(dc, kLabelColor,
              {{20, 151, "복부 비만은 내장에 지방이 쌓인 것이므로 특별한 비법이 있는 것이 아니라"},
               {20, 167, "규칙적인 운동과 적절한 식사요법으로 열량 섭취를 줄이고 열량 소비를 늘려야"},
               {20, 183, "해결될 수 있습니다. 일부에서는 뱃살은 허리 운동과 복근 운동을 하면"},
               {20, 199, "들어간다고 하는데 이는 사실이 아닙니다. 복부 비만은 만병의 근원입니다."},
               {20, 215, "규칙적인 운동과 적절한 식사요법으로 내장 지방을 줄이는 것이"},
               {20, 231, "성인병을 예방하고 건강하게 장수하는 비결입니다."}});
}

void DrawMeasuringParagraph(CDC& dc)
{
    DrawTexts(dc, kLabelColor,
              {{20, 145, "가정에서 복부 비만 여부를 간단히 확인하는 간단한 방법은 허리 둘레와"},
               {20, 165, "엉덩이 둘레를 측정하는 것입니다. 허리 둘레는 허리의 가장 가는 부분을 재고,"},
               {20, 185, "엉덩이 둘레는 엉덩이의 가장 굵은 부분을 잰 다음, 허리 둘레를 엉덩이 둘레로"},
               {20, 205, "나눈 값(허리 둘레/엉덩이 둘레)이 여성의 경우 0.80 이상,"},
               {20, 225, "남성의 경우 1.0 이상 이면 복부 비만이라고 판정합니다."}});
}

void DrawVerdict(CDC& dc, WaistHipVerdict verdict)
{
    switch (verdict) {
    case WaistHipVerdict::NoInput:
        DrawMeasuringParagraph(dc);
        return;
    case WaistHipVerdict::AbdominalObesity:
        DrawAdviceParagraph(dc);
        break;
    case WaistHipVerdict::Normal:
        break;
    }
    dc.SetTextColor(WaistHipSentenceColor(verdict));
    dc.TextOut(20, 106, WaistHipSentence(verdict));
}

} // namespace

BEGIN_MESSAGE_MAP(CWaistHipDlg, CCalcPageDlg)
    ON_WM_CTLCOLOR()
    ON_WM_ERASEBKGND_SUPPRESSED()
    ON_BN_CLICKED(IDC_OK, &CWaistHipDlg::OnBtnOk)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CWaistHipDlg::CWaistHipDlg(CWnd* pParent) : CCalcPageDlg(IDD, pParent, m_btnOk, kLabels, kBandControls) {}

void CWaistHipDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_OK, m_btnOk);
    DDX_Text(pDX, IDC_HIP, m_dHip);
    DDX_Text(pDX, IDC_WAIST, m_dWaist);
    DDX_Radio(pDX, IDC_HIP_INCH, m_nHipUnit);
    DDX_Radio(pDX, IDC_MALE, m_nSex);
    DDX_Radio(pDX, IDC_WAIST_INCH, m_nWaistUnit);
}

void CWaistHipDlg::OnPaint()
{
    const WaistHipVerdict verdict = JudgeWaistHip(m_dWaist, m_nWaistUnit, m_dHip, m_nHipUnit, m_nSex);
    PaintFace(4, [verdict](CDC& dc) { DrawVerdict(dc, verdict); });
    SetAccessibleDescription(WaistHipSentence(verdict)); // empty while there is no input
}

std::string CWaistHipDlg::ResultsText() const
{
    const WaistHipVerdict verdict = JudgeWaistHip(m_dWaist, m_nWaistUnit, m_dHip, m_nHipUnit, m_nSex);
    if (verdict == WaistHipVerdict::NoInput) {
        return {};
    }
    const auto unit = [](int index) { return index == 0 ? "인치" : "cm"; };
    return InputLine("허리둘레", m_dWaist, unit(m_nWaistUnit)) + InputLine("엉덩이둘레", m_dHip, unit(m_nHipUnit)) +
           "성별 " + SexText(m_nSex) + "\n" + WaistHipSentence(verdict) + "\n";
}

void CWaistHipDlg::OnBtnOk()
{
    // Only reads: the verdict is worked out at every paint. A field that does not parse has shown its
    // prompt and has the focus; the fields read before it are given back their values, so that no paint
    // shows a verdict of new and old measures together.
    const std::tuple before{m_dHip, m_dWaist, m_nHipUnit, m_nSex, m_nWaistUnit};
    if (!UpdateData(TRUE)) {
        std::tie(m_dHip, m_dWaist, m_nHipUnit, m_nSex, m_nWaistUnit) = before;
        return;
    }
    RepaintNow();
}
