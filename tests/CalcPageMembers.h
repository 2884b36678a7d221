#pragma once
// The calculator pages keep their members to themselves. The tests reach them through this friend of
// each page: Members(page) answers references to the page's members, under the members' own names.

#include "body/BmiDlg.h"
#include "body/RecommendDlg.h"
#include "body/WaistHipDlg.h"
#include "exercise/ExerciseDlg.h"

struct CalcPageMembers {
    struct Exercise {
        CPtrList& m_exercises;
        double& m_dLastKcal;
        double& m_dTotalKcal;
        CListCtrl& m_listLog;
        CComboBox& m_comboExercise;
        int& m_nMinutes;
        double& m_dWeight;
    };
    struct Recommend {
        double& m_dBmi;
        double& m_dMinKcal;
        int& m_nAge;
        double& m_dHeight;
        double& m_dWeight;
        int& m_nSex;
    };
    struct Bmi {
        double& m_dBmi;
        double& m_dHeight;
        double& m_dWeight;
        int& m_nSex;
    };
    struct WaistHip {
        double& m_dHip;
        double& m_dWaist;
        int& m_nHipUnit;
        int& m_nSex;
        int& m_nWaistUnit;
    };

    static Exercise Of(CExerciseDlg& p)
    {
        return {p.m_exercises,     p.m_dLastKcal, p.m_dTotalKcal, p.m_listLog,
                p.m_comboExercise, p.m_nMinutes, p.m_dWeight};
    }
    static Recommend Of(CRecommendDlg& p)
    {
        return {p.m_dBmi, p.m_dMinKcal, p.m_nAge, p.m_dHeight, p.m_dWeight, p.m_nSex};
    }
    static Bmi Of(CBmiDlg& p) { return {p.m_dBmi, p.m_dHeight, p.m_dWeight, p.m_nSex}; }
    static WaistHip Of(CWaistHipDlg& p) { return {p.m_dHip, p.m_dWaist, p.m_nHipUnit, p.m_nSex, p.m_nWaistUnit}; }
};

template <class TPage>
auto Members(TPage& page)
{
    return CalcPageMembers::Of(page);
}
