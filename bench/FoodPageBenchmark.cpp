// Speed of one selection change on the food page, through the real page and bar on Qt's offscreen
// platform: the row handler, the row rule, the synchronous repaint of the page and the repaint of the
// bar. Beside it, a bare baseline: one 470 × 220 fill and sixteen texts drawn into an off-screen bitmap
// in the same font.

#include "food/FoodTotalBar.h"
#include "food/FoodView.h"
#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"
#include "ui/SkinDraw.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int kRowOneDishBox = 1001;
constexpr int kRowOnePortionBox = 1017;
constexpr int kRiceEntry = 7;   // 쌀밥
constexpr int kPortionOne = 10; // "1"

// The main window's size: 445 × 352 dialog units.
constexpr DialogTemplate kParentTemplate{0, WS_POPUP | DS_SETFONT, 0, 445, 352, "", "굴림", 9, {}};

// The page and its bar made, placed and linked as the main window does it, on screen.
class ShownFoodPage {
public:
    ShownFoodPage()
    {
        m_parent.CreateIndirect(kParentTemplate);
        m_bar = new CFoodTotalBar;
        m_bar->Create(CFoodTotalBar::IDD, &m_parent);
        m_bar->SetWindowPos(&CWnd::wndTop, 215, 360, 470, 30, SWP_SHOWWINDOW);
        m_page = new CFoodView;
        m_page->m_pTotalBar = m_bar;
        m_page->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(215, 140, 685, 360), &m_parent, 10002);
        m_bar->SetFoodView(m_page);
        m_page->ResetSelections();
        uitest::ShowAndActivate(&m_parent);
        uitest::ProcessEvents();
    }
    ShownFoodPage(const ShownFoodPage&) = delete;
    ShownFoodPage& operator=(const ShownFoodPage&) = delete;
    ~ShownFoodPage() { m_parent.DestroyWindow(); } // the page and the bar go with it

    CFoodView* Page() { return m_page; }

private:
    CDialog m_parent{kParentTemplate};
    CFoodTotalBar* m_bar = nullptr;
    CFoodView* m_page = nullptr;
};

// Row 1 holds 쌀밥; each change moves its portion between "1" and "1.1" as a choice in the box does:
// the box's selection, then its selection-change notification to the page.
void BM_FoodSelectionChange(benchmark::State& state)
{
    ShownFoodPage shown;
    CFoodView* page = shown.Page();
    CWnd* portion = page->GetDlgItem(kRowOnePortionBox);
    page->GetDlgItem(kRowOneDishBox)->SendMessage(CB_SETCURSEL, kRiceEntry);
    const auto notify = [&] {
        page->SendMessage(WM_COMMAND, MAKEWPARAM(kRowOnePortionBox, CBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(portion->GetSafeHwnd()));
    };
    int step = 0;
    for (auto _ : state) {
        portion->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(kPortionOne + step));
        notify();
        step ^= 1;
    }
    // What one change draws: the sixteen labels and values, and the bar's sentence.
    CDrawRecorder recorder;
    notify();
    state.counters["texts"] = static_cast<double>(recorder.Entries().size());
}
BENCHMARK(BM_FoodSelectionChange);

// The least a repaint of the page can cost: its fill and sixteen texts, off-screen, in the skin font.
void BM_BareFillAndSixteenTexts(benchmark::State& state)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(470, 220, 1, 32, nullptr);
    CBitmap* previousBitmap = dc.SelectObject(&bitmap);
    const std::unique_ptr<CFont> font = CreateSkinFont(dc, 9, 400);
    CFont* previousFont = dc.SelectObject(font.get());
    dc.SetBkMode(TRANSPARENT);
    const std::string text = "311.0 Kcal";
    for (auto _ : state) {
        dc.FillSolidRect(0, 0, 470, 220, RGB(255, 255, 255));
        for (int row = 0; row < 16; ++row) {
            dc.TextOut(353, 13 * row + 2, text); // every one inside the picture, so every one is drawn
        }
        benchmark::ClobberMemory();
    }
    dc.SelectObject(previousFont);
    dc.SelectObject(previousBitmap);
}
BENCHMARK(BM_BareFillAndSixteenTexts);

} // namespace
