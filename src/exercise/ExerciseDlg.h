#pragma once
// The exercise-calorie page: weight, exercise and minutes in; on OK the energy of the exercise is
// computed and, when positive, logged at the top of a list with check boxes whose sum the page shows.
// Ticked rows are removed with the delete button. A child dialog on template 141 that the main window
// creates hidden in its page area and shows when the exercise calculator is chosen.
// It owns the records of the exercise table and frees them, then itself, when its window is destroyed.

#include "body/CalcPageDlg.h"
#include "res/Resource.h"

#include <memory>

struct ExerciseRecord;

class CExerciseDlg : public CCalcPageDlg {
public:
    enum { IDD = IDD_EXERCISE };

    explicit CExerciseDlg(CWnd* pParent = nullptr);

    // The log's rows (exercise, minutes, kilocalories, tab-separated) from the top, then the sum's sentence.
    std::string ResultsText() const;

    // Offers the record's name in the drop-down and keeps the record in m_exercises.
    void AddExercise(std::unique_ptr<ExerciseRecord> record);

protected:
    CPtrList m_exercises{10};  // ExerciseRecord*, in table order; owned
    double m_dLastKcal = 0;    // the last calculation, logged or not
    double m_dTotalKcal = 0;   // the sum of the log's kilocalorie texts
    CHoverButton m_btnDelete;  // IDC_DELETE, "선택된 항목 삭제"
    CListCtrl m_listLog;       // IDC_LOG: exercise, minutes, kilocalories
    CHoverButton m_btnOk;      // IDC_OK, "OK"
    CComboBox m_comboExercise; // IDC_EXERCISE, sorted by name
    int m_nMinutes = 0;        // edit IDC_MINUTES
    double m_dWeight = 0;      // kilograms, edit IDC_WEIGHT

    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override; // frees every record, then the page
    BOOL OnInitDialog() override;

    // m_dTotalKcal := the sum of the positive numbers that the log's kilocalorie column shows.
    void RecalcTotal();

    afx_msg void OnPaint();
    afx_msg void OnBtnOk();
    afx_msg void OnBtnDelete();

    DECLARE_MESSAGE_MAP()

private:
    friend struct CalcPageMembers; // how the tests reach the members (tests/CalcPageMembers.h)
};
