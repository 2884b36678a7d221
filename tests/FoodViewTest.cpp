// The food page and its total bar as a person uses them: the boxes at start, choosing dishes and
// portions with the pointer and the keyboard, the rows and the total that follow at once, the reset
// button, and what both windows paint (texts, colours, a few pixels).

#include "FoodPageFixture.h"
#include "SkinTestWindow.h"

#include "res/Resource.h"
#include "ui/SkinColors.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kNoDish = ":::선택하세요:::";

// Start ------------------------------------------------------------------------------------------------

TEST_F(FoodPageTest, StartsWithEveryBoxOnItsFirstEntryEveryRowAtZeroAndNoHandlerRun)
{
    int dishEntries = 0;
    int portionEntries = 0;
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        EXPECT_EQ(uitest::Text(m_page, DishBox(row)), kNoDish);
        EXPECT_EQ(uitest::Text(m_page, PortionBox(row)), "0");
        dishEntries += static_cast<int>(uitest::ComboEntries(m_page, DishBox(row)).size());
        portionEntries += static_cast<int>(uitest::ComboEntries(m_page, PortionBox(row)).size());
    }
    EXPECT_EQ(dishEntries, 368);
    EXPECT_EQ(portionEntries, 368);
    // In the catalogue's order, not sorted.
    const std::vector<std::string> rice = uitest::ComboEntries(m_page, DishBox(1));
    ASSERT_EQ(rice.size(), 26u);
    EXPECT_EQ(rice[1], "강남콩밥");
    EXPECT_EQ(rice[7], "쌀밥");
    EXPECT_EQ(rice[25], "흰죽");
    const std::vector<std::string> drinks = uitest::ComboEntries(m_page, DishBox(16));
    ASSERT_EQ(drinks.size(), 21u);
    EXPECT_EQ(drinks[20], "환타");
    const std::vector<std::string> portions{"0",   "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7",
                                            "0.8", "0.9", "1",   "1.1", "1.2", "1.3", "1.4", "1.5",
                                            "1.6", "1.7", "1.8", "1.9", "2",   "2.5", "3"};
    EXPECT_EQ(uitest::ComboEntries(m_page, PortionBox(15)), portions);

    EXPECT_TRUE(m_page->selChanges.empty()) << "filling and selecting the boxes notifies nothing";
    const PagePaint page = RepaintPage();
    ASSERT_TRUE(page.Complete());
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        EXPECT_EQ(page.Value(row).text, "0.0 Kcal") << "row " << row;
    }
    EXPECT_EQ(RepaintBar(), "당신이 체크한 총 칼로리는 0.0 Kcal 입니다.");
}

// The row rule --------------------------------------------------------------------------------------------

struct RowCase {
    int row;
    const char* dish;
    const char* portion;
    const char* value; // the row's painted value
    const char* total; // the bar's total
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << "row " << c.row << ": " << c.dish << " × " << c.portion; }

class FoodRowRuleTest : public FoodPageTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(FoodRowRuleTest, TheRowAndTheTotalFollowTheChoiceAtOnce)
{
    const RowCase& c = GetParam();
    CDrawRecorder recorder;
    Choose(c.row, c.dish, c.portion);
    EXPECT_EQ(PaintedPage(recorder).Value(c.row).text, c.value);
    EXPECT_EQ(PaintedBar(recorder), TotalSentence(c.total));
    EXPECT_EQ(m_page->selChanges, (std::vector<int>{DishBox(c.row), PortionBox(c.row)}));
}

INSTANTIATE_TEST_SUITE_P(
    DishesAndPortions, FoodRowRuleTest,
    ::testing::Values(RowCase{1, "쌀밥", "1", "311.0 Kcal", "311.0"}, RowCase{1, "쌀밥", "0.3", "93.3 Kcal", "93.3"},
                      RowCase{1, "쌀밥", "2.5", "777.5 Kcal", "777.5"}, RowCase{1, "쌀밥", "3", "933.0 Kcal", "933.0"},
                      RowCase{1, "쌀밥", "0", "0.0 Kcal", "0.0"},
                      RowCase{16, "블랙커피", "1", "6.3 Kcal", "6.3"},
                      // 6.3 × 0.5 is held as the float 3.1500001; 6.3 × 1.5 as 9.4500008.
                      RowCase{16, "블랙커피", "0.5", "3.2 Kcal", "3.2"},
                      RowCase{16, "블랙커피", "1.5", "9.5 Kcal", "9.5"},
                      RowCase{14, "초코다이제스티브", "3", "2808.0 Kcal", "2808.0"}),
    [](const ::testing::TestParamInfo<RowCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(FoodPageTest, ADishWithPortionZeroSetsTheRowToZeroAndRecomputesTheTotal)
{
    Choose(1, "쌀밥", "1");
    CDrawRecorder recorder;
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, PortionBox(1), "0"));
    EXPECT_EQ(PaintedPage(recorder).Value(1).text, "0.0 Kcal");
    EXPECT_EQ(PaintedBar(recorder), TotalSentence("0.0")) << "the bar was handed the new total";

    recorder.Clear();
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, DishBox(1), "보리밥")); // 294, still at "0"
    EXPECT_EQ(PaintedPage(recorder).Value(1).text, "0.0 Kcal");
    EXPECT_EQ(PaintedBar(recorder), TotalSentence("0.0"));
}

TEST_F(FoodPageTest, ThreeRowsAddUpOnTheBar)
{
    Choose(1, "쌀밥", "1");
    Choose(2, "우족탕", "2.5");
    CDrawRecorder recorder;
    Choose(16, "블랙커피", "0.5");
    // 311 + 1422.5 + 3.1500001 = 1736.6500001.
    EXPECT_EQ(PaintedBar(recorder), "당신이 체크한 총 칼로리는 1736.7 Kcal 입니다.");
    const PagePaint page = RepaintPage();
    EXPECT_EQ(page.Value(1).text, "311.0 Kcal");
    EXPECT_EQ(page.Value(2).text, "1422.5 Kcal");
    EXPECT_EQ(page.Value(16).text, "3.2 Kcal");
}

TEST_F(FoodPageTest, NoDishChosenChangesNothingInEitherBox)
{
    Choose(1, "쌀밥", "1");
    CDrawRecorder recorder;
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, DishBox(1), kNoDish));
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, PortionBox(1), "3"));
    uitest::ProcessEvents();
    EXPECT_EQ(PaintedBar(recorder), "") << "no total was handed to the bar";
    EXPECT_EQ(m_page->selChanges.size(), 4u) << "the handler ran and refused";
    EXPECT_EQ(RepaintPage().Value(1).text, "311.0 Kcal") << "the row keeps the dish chosen before";
    EXPECT_EQ(RepaintBar(), TotalSentence("311.0"));

    // A dish again takes the portion shown now.
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, DishBox(1), "쌀밥"));
    EXPECT_EQ(RepaintPage().Value(1).text, "933.0 Kcal");
}

// Every row's two boxes reach that row's handler, and only that row changes.
TEST_F(FoodPageTest, EachRowsBoxesComputeThatRowAlone)
{
    struct LastDish {
        const char* dish;
        const char* value; // at portion "3"
    };
    const LastDish rows[] = {{"흰죽", "693.0"},         {"호박새우젓국", "156.0"},   {"호박찌개", "477.0"},
                             {"육개장사발면", "1341.0"}, {"파김치", "174.0"},         {"콩조림", "324.0"},
                             {"호박잎찜", "99.0"},       {"호박나물", "120.0"},       {"쥐포구이", "300.0"},
                             {"호박전", "267.0"},        {"풋고추멸치볶음", "402.0"}, {"채소튀김", "897.0"},
                             {"후렌치토스트", "978.0"},  {"팝콘", "1509.0"},          {"홍시", "159.0"},
                             {"환타", "129.0"}};
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        Choose(row, rows[row - 1].dish, "3");
        const PagePaint page = RepaintPage();
        for (int other = kFirstRow; other <= kLastRow; ++other) {
            EXPECT_EQ(page.Value(other).text, other <= row ? std::string(rows[other - 1].value) + " Kcal" : "0.0 Kcal")
                << "row " << other;
        }
    }
    EXPECT_EQ(RepaintBar(), TotalSentence("8025.0"));
}

// The keyboard --------------------------------------------------------------------------------------------

TEST_F(FoodPageTest, TypedCharactersChooseAndTheRowAndBarArePaintedBeforeTheKeyReturns)
{
    CDrawRecorder recorder;
    ASSERT_TRUE(uitest::TypeKeys(m_page, DishBox(1), "쌀"));
    EXPECT_EQ(uitest::Text(m_page, DishBox(1)), "쌀밥");
    ASSERT_TRUE(uitest::TypeKeys(m_page, PortionBox(1), "1"));
    EXPECT_EQ(uitest::Text(m_page, PortionBox(1)), "1");
    // No events were processed in between: the repaints are synchronous.
    EXPECT_EQ(PaintedPage(recorder).Value(1).text, "311.0 Kcal");
    EXPECT_EQ(PaintedBar(recorder), TotalSentence("311.0"));

    ASSERT_TRUE(uitest::PressKey(m_page, PortionBox(1), VK_DOWN)); // "1.1"
    EXPECT_EQ(PaintedPage(recorder).Value(1).text, "342.1 Kcal");
    EXPECT_EQ(m_page->selChanges, (std::vector<int>{1001, 1017, 1017}));
}

TEST_F(FoodPageTest, EnterAndEscapeInABoxChooseNothing)
{
    Choose(1, "쌀밥", "1");
    for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
        ASSERT_TRUE(uitest::PressKey(m_page, DishBox(1), key));
        ASSERT_TRUE(uitest::PressKey(m_page, PortionBox(1), key));
    }
    uitest::ProcessEvents();
    EXPECT_TRUE(uitest::IsVisible(m_page));
    EXPECT_EQ(m_page->selChanges.size(), 2u);
    EXPECT_EQ(uitest::Text(m_page, DishBox(1)), "쌀밥");
    EXPECT_EQ(RepaintBar(), TotalSentence("311.0"));
}

// Typing a dish's initial consonants or syllables in its box: closed, dropped open, or through an input
// method's commits. 김치찌개 (157 kcal) sits in the 김치 row, whose portion is "1" already.
struct TypeAheadCase {
    const char* way;
    std::function<bool(CWnd* page)> type;
};

void PrintTo(const TypeAheadCase& c, std::ostream* os) { *os << c.way; }

class FoodTypeAheadTest : public FoodPageTest, public ::testing::WithParamInterface<TypeAheadCase> {};

TEST_P(FoodTypeAheadTest, WhatIsTypedInADishBoxChoosesTheDishAndTheRowComputesAtOnce)
{
    Choose(5, kNoDish, "1");
    CDrawRecorder recorder;
    ASSERT_TRUE(GetParam().type(m_page));
    EXPECT_EQ(uitest::Text(m_page, DishBox(5)), "김치찌개");
    EXPECT_EQ(PaintedPage(recorder).Value(5).text, "157.0 Kcal");
    EXPECT_EQ(PaintedBar(recorder), TotalSentence("157.0"));
}

INSTANTIATE_TEST_SUITE_P(
    KeysAndCommits, FoodTypeAheadTest,
    ::testing::Values(
        TypeAheadCase{"initial consonants on the closed box",
                      [](CWnd* page) { return uitest::TypeKeys(page, DishBox(5), "ㄱㅊㅉㄱ"); }},
        TypeAheadCase{"initial consonants in the dropped list",
                      [](CWnd* page) {
                          return uitest::OpenComboList(page, DishBox(5)) && uitest::TypeFocusedKeys("ㄱㅊㅉㄱ") &&
                                 uitest::PressFocusedKey(VK_ESCAPE);
                      }},
        TypeAheadCase{"syllables an input method commits",
                      [](CWnd* page) {
                          return uitest::CommitInput(page, DishBox(5), "김") && uitest::CommitInput(page, DishBox(5), "치");
                      }}),
    [](const ::testing::TestParamInfo<TypeAheadCase>& info) { return "way" + std::to_string(info.index); });

// The dish finder ------------------------------------------------------------------------------------------

// Ctrl+F from a control of the page or of the bar; `script` acts in the finder once it is up.
void RunFinder(CWnd* from, int control, const std::function<void(CWnd* finder)>& script)
{
    uitest::WhenModal([&] {
        script(uitest::ActiveModalWindow());
        uitest::CloseModalIfStillOpen();
    });
    ASSERT_TRUE(uitest::PressKey(from, control, 'F', false, false, true));
}

// The finder's list as it reads: each match's name and category.
std::vector<std::string> Matches(CWnd* finder)
{
    std::vector<std::string> matches;
    for (int item = 0; !uitest::ListText(finder, IDC_FINDER_MATCHES, item, 0).empty(); ++item) {
        matches.push_back(uitest::ListText(finder, IDC_FINDER_MATCHES, item, 0) + " " +
                          uitest::ListText(finder, IDC_FINDER_MATCHES, item, 1));
    }
    return matches;
}

struct FinderChoice {
    bool fromBar;             // Ctrl+F on the bar's button, else on the first dish box
    const char* portion;      // row 16's portion before
    bool byDoubleClick;       // else by Enter
    const char* portionAfter; // row 16's portion, value and the total after
    const char* value;
    const char* total;
};

void PrintTo(const FinderChoice& c, std::ostream* os)
{
    *os << (c.fromBar ? "from the bar" : "from a dish box") << ", portion " << c.portion
        << (c.byDoubleClick ? ", double click" : ", Enter");
}

class FoodFinderTest : public FoodPageTest, public ::testing::WithParamInterface<FinderChoice> {};

TEST_P(FoodFinderTest, TheChosenDishGoesIntoItsRowWhichScrollsIntoViewAndComputes)
{
    const FinderChoice& c = GetParam();
    Choose(16, kNoDish, c.portion);
    ShowRow(1);
    std::vector<std::string> found;
    RunFinder(c.fromBar ? static_cast<CWnd*>(m_bar) : m_page, c.fromBar ? IDC_RESET : DishBox(1), [&](CWnd* finder) {
        uitest::TypeFocusedKeys("콜");
        found = Matches(finder);
        uitest::PressFocusedKey(VK_DOWN); // the second
        uitest::PressFocusedKey(VK_UP);   // back to the first
        if (c.byDoubleClick) {
            uitest::DoubleClickListRow(finder, IDC_FINDER_MATCHES, 0);
        } else {
            uitest::PressFocusedKey(VK_RETURN);
        }
    });
    // The start of a name first, then further in; page order within each.
    EXPECT_EQ(found, (std::vector<std::string>{"콜라 음료수", "ABC초콜렛(1봉) 과자류"}));
    EXPECT_EQ(uitest::Text(m_page, DishBox(16)), "콜라");
    EXPECT_EQ(uitest::Text(m_page, PortionBox(16)), c.portionAfter);
    EXPECT_EQ(RepaintPage().Value(16).text, c.value);
    EXPECT_EQ(RepaintBar(), TotalSentence(c.total));
    CRect client;
    m_page->GetClientRect(&client);
    const int bandTop = 32 * 16 - ScrollPos();
    const int bandBottom = 543 - ScrollPos(); // the band, as far as the form reaches
    EXPECT_TRUE(bandTop >= client.top && bandBottom <= client.bottom) << "the row's band is scrolled into view";
    EXPECT_TRUE(uitest::HasFocus(m_page, DishBox(16)));
}

INSTANTIATE_TEST_SUITE_P(EnterAndDoubleClick, FoodFinderTest,
                         ::testing::Values(FinderChoice{false, "0", false, "1", "38.0 Kcal", "38.0"},
                                           FinderChoice{true, "2", true, "2", "76.0 Kcal", "76.0"}),
                         [](const ::testing::TestParamInfo<FinderChoice>& info) {
                             return "case" + std::to_string(info.index);
                         });

TEST_F(FoodPageTest, EscapeClosesTheFinderAndChangesNothing)
{
    RunFinder(m_page, DishBox(1), [](CWnd*) {
        uitest::TypeFocusedKeys("콜");
        uitest::PressFocusedKey(VK_ESCAPE);
    });
    EXPECT_EQ(uitest::Text(m_page, DishBox(16)), kNoDish);
    EXPECT_EQ(ScrollPos(), 0);
    EXPECT_TRUE(m_page->selChanges.empty());
    EXPECT_EQ(RepaintBar(), TotalSentence("0.0"));
}

TEST_F(FoodPageTest, EnterInTheFinderWithNothingFoundDoesNothing)
{
    bool stayed = false;
    RunFinder(m_page, DishBox(1), [&](CWnd* finder) {
        uitest::TypeFocusedKeys("ㅃㅃㅃ");
        uitest::PressFocusedKey(VK_RETURN);
        uitest::ProcessEvents();
        stayed = uitest::IsVisible(finder) && uitest::ListText(finder, IDC_FINDER_MATCHES, 0, 0).empty();
    });
    EXPECT_TRUE(stayed) << "the finder stays open with an empty list";
    EXPECT_TRUE(m_page->selChanges.empty());
    EXPECT_EQ(RepaintBar(), TotalSentence("0.0"));
}

// Reset -----------------------------------------------------------------------------------------------------

TEST_F(FoodPageTest, TheResetButtonPutsEveryBoxRowAndTheTotalBackWithoutRunningARowHandler)
{
    Choose(1, "쌀밥", "1");
    Choose(9, "갈비구이", "2");
    Choose(16, "콜라", "1.5");
    const std::size_t notifications = m_page->selChanges.size();

    CDrawRecorder recorder;
    ASSERT_TRUE(uitest::Click(m_bar, IDC_RESET));
    uitest::ProcessEvents();
    EXPECT_EQ(m_page->selChanges.size(), notifications);
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        EXPECT_EQ(uitest::Text(m_page, DishBox(row)), kNoDish) << "row " << row;
        EXPECT_EQ(uitest::Text(m_page, PortionBox(row)), "0") << "row " << row;
    }
    const PagePaint page = PaintedPage(recorder);
    ASSERT_TRUE(page.Complete()) << "the page was repainted";
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        EXPECT_EQ(page.Value(row).text, "0.0 Kcal") << "row " << row;
    }
    EXPECT_EQ(PaintedBar(recorder), TotalSentence("0.0"));

    // The rows start again from nothing.
    Choose(16, "블랙커피", "1");
    EXPECT_EQ(RepaintBar(), TotalSentence("6.3"));
}

// Painting ---------------------------------------------------------------------------------------------------

TEST_F(FoodPageTest, RowsPaintGreyLabelsAndBlueValuesBesideTheirBoxesOnBands)
{
    Choose(1, "쌀밥", "1");
    ShowRow(1);
    ASSERT_EQ(ScrollPos(), 0);
    const PagePaint page = RepaintPage();
    ASSERT_TRUE(page.Complete());
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        const DrawnText& label = page.Label(row);
        EXPECT_EQ(label.text, RowLabel(row));
        EXPECT_EQ(label.x, 10);
        EXPECT_EQ(label.y, 32 * row + 10);
        EXPECT_EQ(label.color, kLabelColor);
        const DrawnText& value = page.Value(row);
        EXPECT_EQ(value.x, kValueLeft);
        EXPECT_EQ(value.y, 32 * row + 10);
        EXPECT_EQ(value.color, kValueBlue);
        for (const DrawnText* t : {&label, &value}) {
            EXPECT_EQ(t->fontHeight, 12);
            EXPECT_EQ(t->weight, 400);
        }
        // Label, dish box, portion box and value side by side on the row's band.
        const CRect dish = uitest::ControlRect(m_page, DishBox(row));
        const CRect portion = uitest::ControlRect(m_page, PortionBox(row));
        EXPECT_LT(label.x, dish.left);
        EXPECT_LT(dish.right, portion.left);
        EXPECT_LT(portion.right, value.x);
        EXPECT_GE(dish.top, 32 * row);
        EXPECT_LE(portion.bottom, 32 * row + 32);
    }

    // White under the header and right of it, then band 1 (odd) and band 2 (even) at the left edge.
    EXPECT_EQ(uitest::PixelColor(m_page, 450, 5), RGB(255, 255, 255));
    EXPECT_EQ(uitest::PixelColor(m_page, 2, 30), RGB(255, 255, 255));
    EXPECT_EQ(uitest::PixelColor(m_page, 2, 32), kBandColorOdd);
    EXPECT_EQ(uitest::PixelColor(m_page, 2, 63), kBandColorOdd);
    EXPECT_EQ(uitest::PixelColor(m_page, 2, 64), kBandColorEven);
    EXPECT_EQ(uitest::PixelColor(m_page, 450, 100), kBandColorOdd);
    // The value's blue and the label's grey show on the picture along row 1's line.
    EXPECT_GT(uitest::CountPixels(m_page, CRect(kValueLeft, 42, kValueLeft + 90, 54), kValueBlue), 10);
    EXPECT_GT(uitest::CountPixels(m_page, CRect(10, 42, 60, 54), kLabelColor), 5);
    EXPECT_TRUE(uitest::SaveImage(&m_parent, ::testing::TempDir() + "food-rice.png"));
}

TEST_F(FoodPageTest, TheBarPaintsItsSentenceInDarkRedWithTheResetPictureBeside)
{
    CDrawRecorder recorder;
    m_bar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const std::vector<DrawnText> texts = recorder.EntriesFor(m_bar->GetSafeHwnd());
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].x, 100);
    EXPECT_EQ(texts[0].y, 10);
    EXPECT_EQ(texts[0].color, kSentenceRed);
    EXPECT_EQ(texts[0].fontHeight, 12);
    const CRect sentence(100, 10, 400, 22);
    const int redBefore = uitest::CountPixels(m_bar, sentence, kSentenceRed);
    EXPECT_GT(redBefore, 20);

    // "다시 하기": 55 × 20 at its template place (212, 6), showing the strip's normal frame.
    const CRect button = uitest::ControlRect(m_bar, IDC_RESET);
    EXPECT_EQ(button, CRect(371, 9, 371 + 55, 9 + 20));
    const FrameProbe probe = FindFrameProbe(IDB_BTN_RESET);
    EXPECT_EQ(uitest::PixelColor(m_bar, button.left + probe.point.x, button.top + probe.point.y), probe.normal);
    EXPECT_EQ(uitest::PixelColor(m_bar, 50, 15), RGB(255, 255, 255));

    Choose(1, "쌀밥", "1"); // more digits, more red
    EXPECT_GT(uitest::CountPixels(m_bar, sentence, kSentenceRed), redBefore);
}

TEST_F(FoodPageTest, ThePageErasesWhiteAndTheBarLeavesErasingToItsPaint)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(470, 220, 1, 32, nullptr));
    CBitmap* previous = dc.SelectObject(&bitmap);
    const CRect all(0, 0, 470, 220);
    const COLORREF marker = RGB(1, 2, 3);

    dc.FillSolidRect(&all, marker);
    EXPECT_EQ(m_page->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc())), 0);
    CRect client;
    m_page->GetClientRect(&client);
    EXPECT_EQ(dc.GetPixel(client.right - 1, client.bottom - 1), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(client.right, 0), marker) << "the client area only";

    dc.FillSolidRect(&all, marker);
    EXPECT_EQ(m_bar->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc())), 0);
    EXPECT_EQ(dc.GetPixel(5, 5), marker);
    dc.SelectObject(previous);
}

} // namespace
