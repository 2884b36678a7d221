// The main window made and shown before each test and destroyed after it, for tests of the whole window.
#pragma once

#include "app/CalorieDlg.h"
#include "food/FoodTotalBar.h"
#include "platform/testing/TestDriver.h"

#include <gtest/gtest.h>

// The main window with its calculator pages at hand.
class CExposedCalorieDlg : public CCalorieDlg {
public:
    CWnd* Page(PageId page) const { return PageWindowOf(page); }
    CWnd* TotalBar() const { return m_pTotalBar; }
};

// Dlg: the main window class the test observes it through (a CExposedCalorieDlg).
template <class Dlg = CExposedCalorieDlg>
class ShownMainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(CCalorieDlg::IDD));
        ASSERT_TRUE(uitest::ShowAndActivate(&m_dlg));
        // The calculators not shown at the start are made once the first frame is on the screen.
        ASSERT_TRUE(uitest::WaitUntil([this] { return m_dlg.Page(PageId::WaistHip) != nullptr; }));
    }
    void TearDown() override
    {
        if (IsWindow(m_dlg.m_hWnd)) {
            m_dlg.DestroyWindow();
        }
    }

    Dlg m_dlg;
};
