#pragma once
// What the food tests share: the food page and its total bar made and linked as the main window makes
// them, in a window of the main window's size; a page that keeps the selection changes reaching it; and
// what a person reads off both (the texts of a paint, the bar's sentence).

#include "food/FoodTotalBar.h"
#include "food/FoodView.h"
#include "platform/testing/TestDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline constexpr int kFirstRow = 1;
inline constexpr int kLastRow = 16;
inline constexpr COLORREF kValueBlue = RGB(0, 0, 192);
inline constexpr COLORREF kSentenceRed = RGB(192, 0, 0);
inline constexpr int kValueLeft = 470 - 17 - 100; // the client's right edge, left of the scroll bar, − 100

// The category label of row 1 to 16 as the page paints it.
const char* RowLabel(int row);
// The boxes of row 1 to 16.
int DishBox(int row);
int PortionBox(int row);
// The bar's sentence for a total shown as `total`, e.g. "311.0".
std::string TotalSentence(const std::string& total);
// The last text recorded on a window, "" when none.
std::string LastTextOn(const CDrawRecorder& recorder, HWND window);

// The page with a record of the CBN_SELCHANGE notifications that reach it (control ids, in order).
class CObservedFoodView : public CFoodView {
public:
    std::vector<int> selChanges;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

// The texts of the last complete paint of the page among recorded entries: each row's label, then its value.
class PagePaint {
public:
    PagePaint(const std::vector<DrawnText>& entries, HWND page);
    bool Complete() const { return m_entries.size() == 2 * kLastRow; }
    const DrawnText& Label(int row) const { return m_entries.at(2 * static_cast<std::size_t>(row - 1)); }
    const DrawnText& Value(int row) const { return m_entries.at(2 * static_cast<std::size_t>(row - 1) + 1); }

private:
    std::vector<DrawnText> m_entries;
};

class FoodPageTest : public ::testing::Test {
protected:
    FoodPageTest();
    void SetUp() override;
    void TearDown() override;

    // A full repaint of the page and what it drew.
    PagePaint RepaintPage();
    // The sentence of a full repaint of the bar.
    std::string RepaintBar();
    // The last texts drawn on the page / the bar among recorded entries ("" when none).
    PagePaint PaintedPage(const CDrawRecorder& recorder) const;
    std::string PaintedBar(const CDrawRecorder& recorder) const;

    // Scrolls the page by its scroll bar's thumb so that the row's band is in view.
    void ShowRow(int row);
    // Chooses a dish, then a portion, in a row with the pointer, as a person does (after scrolling to it).
    void Choose(int row, const std::string& dish, const std::string& portion);
    int ScrollPos() const { return m_page->GetScrollPos(SB_VERT); }

    CDialog m_parent;
    CFoodTotalBar* m_bar = nullptr;     // deletes itself with its window
    CObservedFoodView* m_page = nullptr; // likewise
};
