#include "FoodPageFixture.h"

#include <algorithm>
#include <array>

namespace {

// The main window's size: 445 × 352 dialog units.
constexpr DialogTemplate kParentTemplate{0, WS_POPUP | DS_SETFONT, 0, 445, 352, "", "굴림", 9, {}};

constexpr std::array<const char*, 16> kLabels{"밥, 죽",      "국, 탕", "찌개", "면류, 라면", "김치",
                                             "조림",        "찜, 전골", "나물, 무침", "구이", "적류, 전류",
                                             "볶음",        "튀김",   "빵류, 햄버거", "과자류", "과일",
                                             "음료수"};
constexpr std::array<int, 16> kPortionBoxes{1017, 1019, 1021, 1023, 1025, 1027, 1029, 1031,
                                            1033, 1035, 1037, 1039, 1041, 1043, 1047, 1049};

} // namespace

const char* RowLabel(int row) { return kLabels.at(static_cast<std::size_t>(row - 1)); }
int DishBox(int row) { return 1000 + row; }
int PortionBox(int row) { return kPortionBoxes.at(static_cast<std::size_t>(row - 1)); }

std::string TotalSentence(const std::string& total) { return "당신이 체크한 총 칼로리는 " + total + " Kcal 입니다."; }

std::string LastTextOn(const CDrawRecorder& recorder, HWND window)
{
    const std::vector<DrawnText> entries = recorder.EntriesFor(window);
    return entries.empty() ? std::string() : entries.back().text;
}

BOOL CObservedFoodView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == CBN_SELCHANGE) {
        selChanges.push_back(LOWORD(wParam));
    }
    return CFoodView::OnCommand(wParam, lParam);
}

PagePaint::PagePaint(const std::vector<DrawnText>& entries, HWND page)
{
    std::vector<DrawnText> mine;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(mine),
                 [page](const DrawnText& e) { return e.window == page; });
    // A paint draws row 1's label first and then 31 more texts.
    for (std::size_t i = mine.size(); i-- > 0;) {
        if (mine[i].text == RowLabel(kFirstRow) && i + 2 * kLastRow <= mine.size()) {
            m_entries.assign(mine.begin() + static_cast<std::ptrdiff_t>(i),
                             mine.begin() + static_cast<std::ptrdiff_t>(i + 2 * kLastRow));
            return;
        }
    }
}

FoodPageTest::FoodPageTest() : m_parent(kParentTemplate) {}

void FoodPageTest::SetUp()
{
    // As the main window does: the bar, then the page linked to it, then the link back, then the boxes'
    // first entries.
    ASSERT_TRUE(m_parent.CreateIndirect(kParentTemplate));
    m_bar = new CFoodTotalBar;
    ASSERT_TRUE(m_bar->Create(CFoodTotalBar::IDD, &m_parent));
    m_bar->SetWindowPos(&CWnd::wndTop, 215, 360, 470, 30, SWP_SHOWWINDOW);
    m_page = new CObservedFoodView;
    m_page->m_pTotalBar = m_bar;
    ASSERT_TRUE(m_page->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(215, 140, 685, 360), &m_parent, 10002));
    m_page->ShowWindow(SW_SHOW);
    m_bar->SetFoodView(m_page);
    m_page->ResetSelections();
    ASSERT_TRUE(uitest::ShowAndActivate(&m_parent));
    ASSERT_TRUE(uitest::WaitUntil([this] { return uitest::IsVisible(m_page) && uitest::IsVisible(m_bar); }));
}

void FoodPageTest::TearDown() { m_parent.DestroyWindow(); }

PagePaint FoodPageTest::PaintedPage(const CDrawRecorder& recorder) const
{
    return PagePaint(recorder.Entries(), m_page->GetSafeHwnd());
}

std::string FoodPageTest::PaintedBar(const CDrawRecorder& recorder) const
{
    return LastTextOn(recorder, m_bar->GetSafeHwnd());
}

PagePaint FoodPageTest::RepaintPage()
{
    CDrawRecorder recorder;
    m_page->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return PaintedPage(recorder);
}

std::string FoodPageTest::RepaintBar()
{
    CDrawRecorder recorder;
    m_bar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return PaintedBar(recorder);
}

void FoodPageTest::ShowRow(int row)
{
    // The band 94 pixels below the top, or as far as the form goes.
    const int pos = std::clamp(32 * row - 94, 0, 543 - 220);
    m_page->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, pos));
    m_page->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0));
    uitest::ProcessEvents();
}

void FoodPageTest::Choose(int row, const std::string& dish, const std::string& portion)
{
    ShowRow(row);
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, DishBox(row), dish)) << dish;
    ASSERT_TRUE(uitest::ChooseComboEntry(m_page, PortionBox(row), portion)) << portion;
    uitest::ProcessEvents();
}
