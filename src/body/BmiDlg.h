#pragma once
// The BMI page: height, weight and sex in; on OK the index is computed, and every paint shows its
// class sentence with the formula and the reference ranges, or a paragraph on obesity while no
// positive index exists. A child dialog of the main window, built from template 143.

#include "body/CalcPageDlg.h"
#include "res/Resource.h"

class CBmiDlg : public CCalcPageDlg {
public:
    enum { IDD = IDD_BMI };

    explicit CBmiDlg(CWnd* pParent = nullptr);

    // The inputs of the last calculation and its sentence, a line each, as the page shows them; empty
    // while there is no result.
    std::string ResultsText() const;

protected:
    double m_dBmi = 0;    // index of the last OK; ≤ 0 or not a number: no result
    CHoverButton m_btnOk; // IDC_OK, "OK"
    double m_dHeight = 0; // centimetres, edit IDC_HEIGHT
    double m_dWeight = 0; // kilograms, edit IDC_WEIGHT
    int m_nSex = 1;       // radio group from IDC_MALE: 0 남자, 1 여자

    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnPaint();
    afx_msg void OnBtnOk();

    DECLARE_MESSAGE_MAP()

private:
    friend struct CalcPageMembers; // how the tests reach the members (tests/CalcPageMembers.h)
};
