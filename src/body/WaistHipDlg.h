#pragma once
// The waist-to-hip (abdominal obesity) page: waist and hip, each in inches or centimetres, and the sex
// in; OK only reads them, and every paint judges the ratio against the bound of the sex and shows the
// verdict (with advice on abdominal obesity), or how to measure while no positive hip has been read.
// The ratio itself is never shown. A child dialog of the main window, built from template 144.

#include "body/CalcPageDlg.h"
#include "res/Resource.h"

class CWaistHipDlg : public CCalcPageDlg {
public:
    enum { IDD = IDD_WAISTHIP };

    explicit CWaistHipDlg(CWnd* pParent = nullptr);

    // The measures with their units, the sex and the verdict, a line each, as the page shows them;
    // empty while there is no verdict.
    std::string ResultsText() const;

protected:
    CHoverButton m_btnOk; // IDC_OK, "OK"
    double m_dHip = 0;    // as typed, edit IDC_HIP
    double m_dWaist = 0;  // as typed, edit IDC_WAIST
    int m_nHipUnit = 0;   // radio group from IDC_HIP_INCH: 0 인치, 1 cm
    int m_nSex = 1;       // radio group from IDC_MALE: 0 남자, 1 여자
    int m_nWaistUnit = 0; // radio group from IDC_WAIST_INCH (over the hip edit): 0 인치, 1 cm

    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnPaint();
    afx_msg void OnBtnOk();

    DECLARE_MESSAGE_MAP()

private:
    friend struct CalcPageMembers; // how the tests reach the members (tests/CalcPageMembers.h)
};
