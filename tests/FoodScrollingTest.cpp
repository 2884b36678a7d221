// The food page scrolled as a person scrolls it: the scroll bar's arrow and trough, the wheel (also over
// a box without the focus) and Tab. After scrolling by p pixels, band N starts at 32 × N − p, the boxes
// have moved by p, and each row's label and value stay beside its boxes, inside its band.

#include "FoodPageFixture.h"

#include "ui/SkinColors.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr int kClientHeight = 220;
constexpr int kLastScrollPos = 543 - kClientHeight;
// The page's scroll bar in its parent's client area: right of the page's 453-pixel client.
constexpr CPoint kDownArrow{215 + 453 + 8, 140 + kClientHeight - 8};
constexpr CPoint kLowerTrough{215 + 453 + 8, 140 + kClientHeight - 40};

class FoodScrollingTest : public FoodPageTest {
protected:
    void SetUp() override
    {
        FoodPageTest::SetUp();
        for (int row = kFirstRow; row <= kLastRow; ++row) {
            m_dishAtStart[row - 1] = uitest::ControlRect(m_page, DishBox(row));
            m_portionAtStart[row - 1] = uitest::ControlRect(m_page, PortionBox(row));
        }
    }

    // The page as it shows at scroll position p: bands, boxes, labels and values.
    void ExpectScrolledBy(int p)
    {
        ASSERT_EQ(ScrollPos(), p);
        uitest::ProcessEvents();
        const PagePaint page = RepaintPage();
        ASSERT_TRUE(page.Complete());
        for (int row = kFirstRow; row <= kLastRow; ++row) {
            SCOPED_TRACE(testing::Message() << "row " << row << " at scroll position " << p);
            const int bandTop = 32 * row - p;
            const CRect dish = uitest::ControlRect(m_page, DishBox(row));
            const CRect portion = uitest::ControlRect(m_page, PortionBox(row));
            EXPECT_EQ(dish.top, m_dishAtStart[row - 1].top - p);
            EXPECT_EQ(portion.top, m_portionAtStart[row - 1].top - p);
            for (const CRect& box : {dish, portion}) {
                EXPECT_GE(box.top, bandTop);
                EXPECT_LE(box.bottom, bandTop + 32);
            }
            EXPECT_EQ(page.Label(row).y, bandTop + 10);
            EXPECT_EQ(page.Value(row).y, bandTop + 10);
            EXPECT_EQ(page.Value(row).x, kValueLeft);
            const COLORREF band = row % 2 == 1 ? kBandColorOdd : kBandColorEven;
            for (const int y : {bandTop, bandTop + 31}) {
                if (y >= 0 && y < kClientHeight) {
                    EXPECT_EQ(uitest::PixelColor(m_page, 2, y), band) << "y " << y;
                }
            }
        }
    }

    std::array<CRect, 16> m_dishAtStart;
    std::array<CRect, 16> m_portionAtStart;
};

TEST_F(FoodScrollingTest, ByTheScrollBarsArrowAndTrough)
{
    ExpectScrolledBy(0);
    ASSERT_TRUE(uitest::ClickAt(&m_parent, kDownArrow));
    ExpectScrolledBy(5); // a line: a hundredth of the 543-pixel form
    ASSERT_TRUE(uitest::ClickAt(&m_parent, kLowerTrough));
    ExpectScrolledBy(5 + 54); // a page: a tenth
    m_page->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 200));
    ExpectScrolledBy(200);
    m_page->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0));
    ExpectScrolledBy(kLastScrollPos); // row 16's band ends just below the page
}

TEST_F(FoodScrollingTest, ByTheWheelAlsoOverABoxWithoutTheFocusWhichKeepsItsChoice)
{
    ASSERT_TRUE(uitest::Wheel(m_page, CPoint(20, 150), -2));
    ExpectScrolledBy(30); // three lines a notch
    const CPoint overBox = uitest::ControlRect(m_page, DishBox(4)).CenterPoint();
    ASSERT_FALSE(uitest::HasFocus(m_page, DishBox(4)));
    ASSERT_TRUE(uitest::Wheel(m_page, overBox, -1));
    ExpectScrolledBy(45);
    EXPECT_EQ(uitest::Text(m_page, DishBox(4)), ":::선택하세요:::");
    EXPECT_TRUE(m_page->selChanges.empty());
    ASSERT_TRUE(uitest::Wheel(m_page, CPoint(20, 150), 5));
    ExpectScrolledBy(0);
}

TEST_F(FoodScrollingTest, ByTabToABoxOutsideTheVisiblePart)
{
    // Through rows 1 to 6 nothing moves; row 7's dish box (229 to 249) comes into view at its bottom.
    ASSERT_TRUE(uitest::PressKey(m_page, DishBox(1), VK_TAB));
    for (int row = 2; row <= 7; ++row) {
        ASSERT_TRUE(uitest::PressKey(m_page, PortionBox(row - 1), VK_TAB));
        ASSERT_TRUE(uitest::HasFocus(m_page, DishBox(row)));
    }
    ExpectScrolledBy(249 - kClientHeight);

    // On to the last box, then out of the page to the total bar's button (the window's one Tab loop), and
    // round to the first box, which comes into view at its top.
    for (int row = 7; row <= 16; ++row) {
        ASSERT_TRUE(uitest::PressKey(m_page, DishBox(row), VK_TAB));
        if (row < 16) {
            ASSERT_TRUE(uitest::PressKey(m_page, PortionBox(row), VK_TAB));
        }
    }
    ASSERT_TRUE(uitest::HasFocus(m_page, PortionBox(16)));
    ExpectScrolledBy(534 - kClientHeight);
    ASSERT_TRUE(uitest::PressKey(m_page, PortionBox(16), VK_TAB));
    ASSERT_TRUE(uitest::HasFocus(m_bar, IDC_RESET));
    ExpectScrolledBy(534 - kClientHeight);
    ASSERT_TRUE(uitest::PressKey(m_bar, IDC_RESET, VK_TAB));
    ASSERT_TRUE(uitest::HasFocus(m_page, DishBox(1)));
    ExpectScrolledBy(36);
}

TEST_F(FoodScrollingTest, EachScrollStepRepaintsThePageWhereItWasBeforeItMoves)
{
    CDrawRecorder recorder;
    m_page->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
    uitest::ProcessEvents();
    std::vector<int> rowOneTops; // where each paint put row 1's label
    for (const DrawnText& e : recorder.EntriesFor(m_page->GetSafeHwnd())) {
        if (e.text == RowLabel(1)) {
            rowOneTops.push_back(e.y);
        }
    }
    // The scroll message, the scroll and the scroll by 5 pixels each repaint first, at the old place; the
    // part that scrolling uncovers is painted at the new one.
    ASSERT_GE(rowOneTops.size(), 4u);
    EXPECT_EQ(std::vector<int>(rowOneTops.begin(), rowOneTops.begin() + 3), (std::vector<int>{42, 42, 42}));
    EXPECT_EQ(rowOneTops.back(), 37);
    ExpectScrolledBy(5);
}

TEST_F(FoodScrollingTest, ChosenRowsScrollWithTheirValues)
{
    Choose(12, "새우튀김", "2"); // 722.0
    m_page->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 250));
    ExpectScrolledBy(250);
    const PagePaint page = RepaintPage();
    EXPECT_EQ(page.Value(12).text, "722.0 Kcal");
    EXPECT_EQ(page.Value(12).y, 32 * 12 - 250 + 10);
    const CRect dish = uitest::ControlRect(m_page, DishBox(12));
    EXPECT_EQ(uitest::Text(m_page, DishBox(12)), "새우튀김");
    EXPECT_GT(uitest::CountPixels(m_page, CRect(kValueLeft, dish.top, kValueLeft + 90, dish.bottom), kValueBlue), 10);
    EXPECT_TRUE(uitest::SaveImage(&m_parent, ::testing::TempDir() + "food-scrolled.png"));
}

} // namespace
