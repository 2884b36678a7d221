// The food calculator on the real main window: the page and its bar at start, a choice shown on both at
// once, and the choices, rows and total kept over any number of switches to other calculators, with the
// bar on screen exactly while the page is.

#include "FoodPageFixture.h"

#include "app/CalorieDlg.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class CFoodCalorieDlg : public CCalorieDlg {
public:
    CFoodView* FoodView() const { return m_pFoodView; }
    CFoodTotalBar* TotalBar() const { return m_pTotalBar; }
};

class FoodMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(CCalorieDlg::IDD));
        ASSERT_TRUE(uitest::ShowAndActivate(&m_dlg));
        m_page = m_dlg.FoodView();
        m_bar = m_dlg.TotalBar();
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    PagePaint RepaintPage()
    {
        CDrawRecorder recorder;
        m_page->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return PagePaint(recorder.Entries(), m_page->GetSafeHwnd());
    }
    std::string RepaintBar()
    {
        CDrawRecorder recorder;
        m_bar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return LastTextOn(recorder, m_bar->GetSafeHwnd());
    }

    CFoodCalorieDlg m_dlg;
    CFoodView* m_page = nullptr;
    CFoodTotalBar* m_bar = nullptr;
};

TEST_F(FoodMainWindowTest, StartsWithThePageAndTheBarShownAndEveryRowAtZero)
{
    EXPECT_TRUE(uitest::IsVisible(m_page));
    EXPECT_TRUE(uitest::IsVisible(m_bar));
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        EXPECT_EQ(uitest::Text(m_page, DishBox(row)), ":::선택하세요:::") << "row " << row;
        EXPECT_EQ(uitest::Text(m_page, PortionBox(row)), "0") << "row " << row;
    }
    const PagePaint page = RepaintPage();
    ASSERT_TRUE(page.Complete());
    EXPECT_EQ(page.Value(1).text, "0.0 Kcal");
    EXPECT_EQ(page.Value(16).text, "0.0 Kcal");
    EXPECT_EQ(RepaintBar(), "당신이 체크한 총 칼로리는 0.0 Kcal 입니다.");
}

TEST_F(FoodMainWindowTest, RiceThenOnePortionShows311OnTheRowAndTheBarAtOnce)
{
    CDrawRecorder recorder;
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, DishBox(1), "쌀밥"));
    EXPECT_EQ(PagePaint(recorder.Entries(), m_page->GetSafeHwnd()).Value(1).text, "0.0 Kcal");
    EXPECT_EQ(LastTextOn(recorder, m_bar->GetSafeHwnd()), TotalSentence("0.0"));

    recorder.Clear();
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, PortionBox(1), "1"));
    EXPECT_EQ(PagePaint(recorder.Entries(), m_page->GetSafeHwnd()).Value(1).text, "311.0 Kcal");
    EXPECT_EQ(LastTextOn(recorder, m_bar->GetSafeHwnd()), "당신이 체크한 총 칼로리는 311.0 Kcal 입니다.");
}

TEST_F(FoodMainWindowTest, ChoicesRowsAndTotalSurvivePageSwitchesAndTheBarFollowsThePage)
{
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, DishBox(1), "쌀밥"));
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, PortionBox(1), "1"));
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, DishBox(3), "된장찌개"));
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, PortionBox(3), "0.5")); // 79.5
    ASSERT_EQ(RepaintBar(), TotalSentence("390.5"));

    for (int round = 0; round < 3; ++round) {
        for (const int menu : {IDC_MENU_EXERCISE, IDC_MENU_RECOMMEND, IDC_MENU_BMI, IDC_MENU_WAISTHIP, IDC_MENU_FOOD}) {
            SCOPED_TRACE(testing::Message() << "round " << round << ", menu " << menu);
            ASSERT_TRUE(uitest::Click(&m_dlg, menu));
            ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsVisible(m_page) == (menu == IDC_MENU_FOOD); }));
            EXPECT_EQ(uitest::IsVisible(m_bar), menu == IDC_MENU_FOOD);
        }
    }
    EXPECT_EQ(uitest::Text(m_page, DishBox(1)), "쌀밥");
    EXPECT_EQ(uitest::Text(m_page, PortionBox(1)), "1");
    EXPECT_EQ(uitest::Text(m_page, DishBox(3)), "된장찌개");
    EXPECT_EQ(uitest::Text(m_page, PortionBox(3)), "0.5");
    const PagePaint page = RepaintPage();
    EXPECT_EQ(page.Value(1).text, "311.0 Kcal");
    EXPECT_EQ(page.Value(3).text, "79.5 Kcal");
    EXPECT_EQ(RepaintBar(), TotalSentence("390.5"));

    // The total goes on from there.
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, PortionBox(3), "1"));
    EXPECT_EQ(RepaintBar(), TotalSentence("470.0"));
}

} // namespace
