#pragma once
// The recommended-minimum-calorie page: height, weight, age and sex in; on OK the body mass index and
// the minimum daily intake are computed, and every paint shows, by the index, a warning for the
// underweight (no figure), the intake with advice on healthy dieting, or a paragraph on basal
// metabolism while no positive index exists. A child dialog of the main window, built from template 142.

#include "body/CalcPageDlg.h"
#include "res/Resource.h"

class CRecommendDlg : public CCalcPageDlg {
public:
    enum { IDD = IDD_RECOMMEND };

    explicit CRecommendDlg(CWnd* pParent = nullptr);

    // The inputs of the last calculation and its dark red sentence, a line each, as the page shows them;
    // empty while there is no result.
    std::string ResultsText() const;

protected:
    double m_dBmi = 0;     // index of the last OK; ≤ 0 or not a number: no result
    double m_dMinKcal = 0; // minimum intake of the last OK, kilocalories
    CHoverButton m_btnOk;  // IDC_OK, "OK"
    int m_nAge = 0;        // full years, edit IDC_AGE
    double m_dHeight = 0;  // centimetres, edit IDC_HEIGHT
    double m_dWeight = 0;  // kilograms, edit IDC_WEIGHT
    int m_nSex = 1;        // radio group from IDC_MALE: 0 남자, 1 여자

    void DoDataExchange(CDataExchange* pDX) override;

    // The dark red sentence of the result: the warning for the underweight or the intake; empty without one.
    std::string Sentence() const;

    afx_msg void OnPaint();
    afx_msg void OnBtnOk();

    DECLARE_MESSAGE_MAP()

private:
    friend struct CalcPageMembers; // how the tests reach the members (tests/CalcPageMembers.h)
};
