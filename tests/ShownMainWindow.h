// The main window made and shown before each test and destroyed after it, for tests of the whole window.
#pragma once

#include "app/CalorieDlg.h"
#include "food/FoodTotalBar.h"
#include "ui/platform/testing/TestDriver.h"

#include <gtest/gtest.h>

// The main window with its calculator pages at hand.
class CExposedCalorieDlg : public CCalorieDlg {
public:
    CWnd* Page(PageId page) const { return PageWindowOf(page); }
    CWnd* TotalBar() const { return m_pTotalBar; }
};

// Dlg: the main window class the test observes it through.
template <class Dlg = CExposedCalorieDlg>
class ShownMainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(CCalorieDlg::IDD));
        ASSERT_TRUE(uitest::ShowAndActivate(&m_dlg));
    }
    void TearDown() override
    {
        if (IsWindow(m_dlg.m_hWnd)) {
            m_dlg.DestroyWindow();
        }
    }

    Dlg m_dlg;
};
