// Speed of the exercise page's log as it grows to thousands of rows, driven through the page and the
// layer as a person drives them (clicks and keys) on Qt's offscreen platform, repaints included: a
// calculation on a long log, ticking rows, deleting the ticked ones, and paging through the log.

#include "exercise/ExerciseDlg.h"
#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"
#include "res/Resource.h"

#include <benchmark/benchmark.h>

namespace {

// 269 × 167 dialog units: 470 × 250 pixels, the main window's page area.
constexpr DialogTemplate kParentTemplate{0, WS_POPUP | DS_SETFONT, 0, 269, 167, "", "굴림", 9, {}};

// The page as the main window shows it, with 60 kg, 걷기(4km/h) and 30 minutes entered.
class ShownPage {
public:
    ShownPage()
    {
        m_parent.CreateIndirect(kParentTemplate);
        m_page = new CExerciseDlg;
        m_page->Create(CExerciseDlg::IDD, &m_parent);
        m_page->SetWindowPos(nullptr, 0, 0, 470, 250, SWP_NOZORDER | SWP_SHOWWINDOW);
        uitest::ShowAndActivate(&m_parent);
        uitest::TypeText(m_page, IDC_WEIGHT, "60");
        uitest::TypeText(m_page, IDC_MINUTES, "30");
        uitest::ChooseComboEntry(m_page, IDC_EXERCISE, "걷기(4km/h)");
    }
    ShownPage(const ShownPage&) = delete;
    ShownPage& operator=(const ShownPage&) = delete;
    ~ShownPage() { m_parent.DestroyWindow(); } // the page goes with it

    // The page's log: the control bound to IDC_LOG is the page's own list member.
    CListCtrl& Log() { return *static_cast<CListCtrl*>(m_page->GetDlgItem(IDC_LOG)); }

    void Press(int button)
    {
        uitest::Click(m_page, button);
        uitest::ProcessEvents();
    }
    // Rows as OK logs them, put in directly: the log a measurement starts from.
    void FillLog(int rows, bool ticked)
    {
        for (int i = 0; i < rows; ++i) {
            Log().InsertItem(0, "걷기(4km/h)");
            Log().SetItemText(0, 1, "30분");
            Log().SetItemText(0, 2, "114.0");
            Log().SetCheck(0, ticked);
        }
        uitest::ProcessEvents();
    }
    void Tick(int row) { uitest::TickListRow(m_page, IDC_LOG, row); }
    void PageDown() { uitest::PressKey(m_page, IDC_LOG, VK_NEXT); }

private:
    CDialog m_parent{kParentTemplate};
    CExerciseDlg* m_page = nullptr;
};

// One OK on a log of N rows: the row goes in at the top, the sum is read from all N + 1 rows, and the
// page repaints.
void BM_OkOnALogOf(benchmark::State& state)
{
    ShownPage page;
    page.FillLog(static_cast<int>(state.range(0)), false);
    for (auto _ : state) {
        page.Press(IDC_OK);
        state.PauseTiming();
        page.Log().DeleteItem(0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OkOnALogOf)->Arg(0)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

// A click on the check box of each of N rows, each scrolled into view first.
void BM_TickEveryRow(benchmark::State& state)
{
    ShownPage page;
    const int rows = static_cast<int>(state.range(0));
    page.FillLog(rows, false);
    for (auto _ : state) {
        for (int row = 0; row < rows; ++row) {
            page.Tick(row);
        }
        uitest::ProcessEvents();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_TickEveryRow)->Arg(5000)->Unit(benchmark::kMillisecond);

// Page Down from the top of a log of N rows to its end.
void BM_PageThroughTheLog(benchmark::State& state)
{
    ShownPage page;
    const int rows = static_cast<int>(state.range(0));
    page.FillLog(rows, false);
    int pages = 0;
    for (auto _ : state) {
        page.Log().SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
        while (!page.Log().GetItemState(rows - 1, LVIS_FOCUSED)) {
            page.PageDown();
            uitest::ProcessEvents();
            ++pages;
        }
    }
    state.SetItemsProcessed(pages);
}
BENCHMARK(BM_PageThroughTheLog)->Arg(5000)->Unit(benchmark::kMillisecond);

// Delete with all N rows ticked: every row goes, the sum is recomputed and the page repaints.
void BM_DeleteEveryTickedRow(benchmark::State& state)
{
    ShownPage page;
    for (auto _ : state) {
        state.PauseTiming();
        page.FillLog(static_cast<int>(state.range(0)), true);
        state.ResumeTiming();
        page.Press(IDC_DELETE);
    }
}
BENCHMARK(BM_DeleteEveryTickedRow)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

// The whole story: 5 000 calculations logged with OK, every row ticked by a click, one delete.
void BM_FiveThousandRowsLoggedTickedAndDeleted(benchmark::State& state)
{
    constexpr int kRows = 5000;
    for (auto _ : state) {
        ShownPage page;
        for (int i = 0; i < kRows; ++i) {
            page.Press(IDC_OK);
        }
        for (int row = 0; row < kRows; ++row) {
            page.Tick(row);
        }
        page.Press(IDC_DELETE);
        if (page.Log().GetItemCount() != 0) {
            state.SkipWithError("rows were left");
        }
    }
}
BENCHMARK(BM_FiveThousandRowsLoggedTickedAndDeleted)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
