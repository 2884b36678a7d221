// The control colouring of the three body pages: one routine, each page's table of radio buttons on
// their bands, and one control brush for the whole program, never two alive at once, however the pages
// are shown, hidden and repainted.

#include "BodyPageTest.h"

#include "body/BandControlColor.h"
#include "body/BmiDlg.h"
#include "body/RecommendDlg.h"
#include "body/WaistHipDlg.h"
#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"
#include "res/Resource.h"
#include "ui/SkinColors.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using namespace bodytest;

// The three body pages made as the main window makes them: children of one 470 × 250 window at the
// same place, hidden until shown one at a time.
class BodyPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateIndirect(kParentTemplate));
        m_pages = {Create<CRecommendDlg>(), Create<CBmiDlg>(), Create<CWaistHipDlg>()};
        ASSERT_TRUE(uitest::ShowAndActivate(&m_parent));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    template <class TPage>
    CWnd* Create()
    {
        auto* page = new TPage;
        EXPECT_TRUE(page->Create(TPage::IDD, &m_parent));
        page->SetWindowPos(nullptr, 0, 0, 470, 250, SWP_NOZORDER | SWP_HIDEWINDOW);
        return page;
    }

    // Shows `page` alone, as the menu does, and waits until it has painted itself and its controls.
    void ShowOnly(CWnd* page)
    {
        for (CWnd* other : m_pages) {
            if (other != page) {
                other->ShowWindow(SW_HIDE);
            }
        }
        page->ShowWindow(SW_SHOW);
        ASSERT_TRUE(uitest::WaitUntil([page] { return uitest::IsVisible(page); }));
        page->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        uitest::ProcessEvents();
    }

    CDialog m_parent{kParentTemplate};
    std::vector<CWnd*> m_pages;
};

TEST_F(BodyPagesTest, OneControlBrushAtMostWhilePagesAreShownAndRepainted)
{
    for (CWnd* page : m_pages) {
        ShowOnly(page);
    }
    // Brushes that the program holds for other purposes (stock brushes made on first use and the like).
    const int others = static_cast<int>(uitest::LiveBrushes().size()) - (HeldControlBrush() ? 1 : 0);
    const auto expectOneAtMost = [&](std::set<HBRUSH>& earlier) {
        const HBRUSH held = HeldControlBrush();
        EXPECT_EQ(static_cast<int>(uitest::LiveBrushes().size()), others + (held ? 1 : 0));
        for (const HBRUSH old : earlier) {
            COLORREF color = 0;
            EXPECT_TRUE(old == held || !GetBrushColor(old, &color)) << "an earlier control brush is alive";
        }
        if (held) {
            earlier.insert(held);
        }
    };

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    const std::vector<std::vector<int>> radios = {
        {IDC_MALE, IDC_FEMALE},
        {IDC_MALE, IDC_FEMALE},
        {IDC_WAIST_INCH, IDC_WAIST_CM, IDC_HIP_INCH, IDC_HIP_CM, IDC_MALE, IDC_FEMALE}};
    std::set<HBRUSH> earlier;
    for (int round = 0; round < 3; ++round) {
        for (size_t i = 0; i < m_pages.size(); ++i) {
            SCOPED_TRACE("round " + std::to_string(round) + ", page " + std::to_string(i));
            ShowOnly(m_pages[i]);
            expectOneAtMost(earlier);
            // The requests its radio buttons send when they paint.
            for (const int id : radios[i]) {
                m_pages[i]->SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                        reinterpret_cast<LPARAM>(m_pages[i]->GetDlgItem(id)->GetSafeHwnd()));
                ASSERT_NE(HeldControlBrush(), nullptr);
                expectOneAtMost(earlier);
            }
        }
    }
}

// The routine on its own, with the tables of the pages.
TEST_F(BodyPagesTest, TheRoutineHoldsOneBrushOfTheListedBandColour)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBrush standard(RGB(1, 2, 3));
    const BandControl waistHip[] = {{IDC_WAIST_INCH, kBandColorEven}, {IDC_WAIST_CM, kBandColorEven},
                                    {IDC_MALE, kBandColorEven},       {IDC_FEMALE, kBandColorEven},
                                    {IDC_HIP_INCH, kBandColorOdd},    {IDC_HIP_CM, kBandColorOdd}};
    CWnd* bmiPage = m_pages[1];
    CWnd* male = bmiPage->GetDlgItem(IDC_MALE);
    CWnd* height = bmiPage->GetDlgItem(IDC_HEIGHT);

    const HBRUSH first = ColorBandControl(standard, &dc, male, kSexRadiosOnBandOne);
    COLORREF color = 0;
    ASSERT_TRUE(GetBrushColor(first, &color));
    EXPECT_EQ(color, kBandColorOdd);
    EXPECT_EQ(HeldControlBrush(), first);
    EXPECT_EQ(dc.GetTextColor(), kLabelColor);
    EXPECT_EQ(dc.GetBkColor(), kBandColorOdd);

    // The same control in another page's table takes that table's colour; the old brush is gone
    // (its handle may be reused for the new one).
    const HBRUSH second = ColorBandControl(standard, &dc, male, waistHip);
    EXPECT_TRUE(second == first || !GetBrushColor(first, &color));
    ASSERT_TRUE(GetBrushColor(second, &color));
    EXPECT_EQ(color, kBandColorEven);
    EXPECT_EQ(dc.GetBkColor(), kBandColorEven);
    EXPECT_EQ(HeldControlBrush(), second);

    // An unlisted control keeps the standard colouring, and no control brush is left.
    dc.SetTextColor(RGB(0, 0, 0));
    EXPECT_EQ(ColorBandControl(standard, &dc, height, kSexRadiosOnBandOne), static_cast<HBRUSH>(standard));
    EXPECT_FALSE(GetBrushColor(second, &color));
    EXPECT_EQ(HeldControlBrush(), nullptr);
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_TRUE(GetBrushColor(standard, &color)); // never deleted here
}

} // namespace
