#include "body/CalcPageDlg.h"

#include "platform/dialog/DdxParse.h"
#include "res/Resource.h"
#include "ui/PagePaint.h"

CCalcPageDlg::CCalcPageDlg(UINT nIDTemplate, CWnd* pParent, CHoverButton& okButton,
                           std::span<const PageLabel> labels, std::span<const BandControl> bandControls)
    : CPageDlg(nIDTemplate, pParent), m_okButton(okButton), m_labels(labels), m_bandControls(bandControls)
{
}

BOOL CCalcPageDlg::OnInitDialog()
{
    CPageDlg::OnInitDialog();
    m_okButton.SetBitmapId(IDB_BTN_OK);
    m_okButton.SetAccessibleName("확인");
    NameControlsByLabels(*this, m_labels);
    return TRUE;
}

void CCalcPageDlg::PaintFace(int bandCount, const std::function<void(CDC&)>& drawContent)
{
    PaintPageFace(this, bandCount, m_labels, drawContent);
}

const char* CCalcPageDlg::SexText(int sexIndex) { return sexIndex == 0 ? "남자" : "여자"; }

std::string CCalcPageDlg::InputLine(const char* label, double value, const char* unit)
{
    return std::string(label) + " " + FormatDdxDouble(value) + (*unit ? std::string(" ") + unit : "") + "\n";
}

void CCalcPageDlg::RepaintNow() { RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

HBRUSH CCalcPageDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    return ColorBandControl(CPageDlg::OnCtlColor(pDC, pWnd, nCtlColor), pDC, pWnd, m_bandControls);
}
