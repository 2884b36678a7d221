// The main window as a person meets it: the food calculator at start, the menu switching pages with
// the title following, the logo link versus dragging the window, the hand cursor over the logo, the
// tabs' links, minimising versus closing, and the about box from the system menu.

#include "ShownMainWindow.h"
#include "SkinTestWindow.h"

#include "app/CalorieDlg.h"
#include "app/PageModel.h"
#include "body/BmiDlg.h"
#include "body/RecommendDlg.h"
#include "body/WaistHipDlg.h"
#include "exercise/ExerciseDlg.h"
#include "food/FoodTotalBar.h"
#include "food/FoodView.h"
#include "platform/testing/TestDriver.h"
#include "res/Resource.h"
#include "ui/SkinColors.h"
#include "web/BannerHostDlg.h"
#include "web/LinkTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr UINT WM_RUN_SCRIPT = WM_APP + 1;
constexpr CPoint kTitleOrigin{215, 100};
constexpr CPoint kMenuOrigin[] = {{65, 153}, {65, 214}, {65, 275}, {65, 336}, {65, 397}};

// The main window with what a test needs to observe: drag requests as they arrive, the children it
// made, its paints, and a script that runs inside its own message loop (for the modal runs).
class CObservedCalorieDlg : public CExposedCalorieDlg {
public:
    std::vector<LPARAM> dragPoints; // WM_NCLBUTTONDOWN with HTCAPTION, in arrival order
    int paintCount = 0;
    std::function<void(CObservedCalorieDlg&)> onInitScript; // posted once the window is initialised

    CWnd* FoodView() const { return m_pFoodView; }
    CWnd* BannerHost() const { return m_pBannerHost; }
    // The page window of each calculator, in menu order.
    std::vector<CWnd*> Pages() const
    {
        return {m_pFoodView, m_pExercisePage, m_pRecommendPage, m_pBmiPage, m_pWaistHipPage};
    }
    HCURSOR SavedCursor() const { return m_hSavedCursor; }

    // Runs `script` from this window's message loop, after everything queued before it.
    void PostScript(std::function<void(CObservedCalorieDlg&)> script)
    {
        m_posted = std::move(script);
        PostMessage(WM_RUN_SCRIPT);
    }

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = CCalorieDlg::OnInitDialog();
        if (onInitScript) {
            PostScript(onInitScript);
        }
        return result;
    }
    afx_msg LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam)
    {
        if (wParam == HTCAPTION) {
            dragPoints.push_back(lParam);
        }
        return Default();
    }
    afx_msg void OnPaint()
    {
        ++paintCount;
        CCalorieDlg::OnPaint();
    }
    afx_msg LRESULT OnRunScript(WPARAM, LPARAM)
    {
        auto script = std::move(m_posted);
        m_posted = nullptr;
        if (script) {
            script(*this);
        }
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    std::function<void(CObservedCalorieDlg&)> m_posted;
};

BEGIN_MESSAGE_MAP(CObservedCalorieDlg, CCalorieDlg)
    ON_MESSAGE(WM_NCLBUTTONDOWN, &CObservedCalorieDlg::OnNcLButtonDown)
    ON_WM_PAINT()
    ON_MESSAGE(WM_RUN_SCRIPT, &CObservedCalorieDlg::OnRunScript)
END_MESSAGE_MAP()

// Points of title `id` that tell it from every other title, spread over its whole width and height
// (one per cell of a 6 × 2 grid where such a point exists), plus its four corners.
std::vector<CPoint> TitleProbes(int id)
{
    const CSize size = ResourceSize(id);
    std::vector<CPoint> probes{{0, 0}, {size.cx - 1, 0}, {0, size.cy - 1}, {size.cx - 1, size.cy - 1}};
    for (int cellY = 0; cellY < 2; ++cellY) {
        for (int cellX = 0; cellX < 6; ++cellX) {
            bool found = false;
            for (int y = cellY * size.cy / 2; y < (cellY + 1) * size.cy / 2 && !found; ++y) {
                for (int x = cellX * size.cx / 6; x < (cellX + 1) * size.cx / 6 && !found; ++x) {
                    bool unique = true;
                    for (PageId other : kPageIds) {
                        const int otherId = TitleBitmapId(other);
                        unique = unique && (otherId == id || ResourcePixel(otherId, x, y) != ResourcePixel(id, x, y));
                    }
                    if (unique) {
                        probes.push_back({x, y});
                        found = true;
                    }
                }
            }
        }
    }
    return probes;
}

// The window shows title `id` at (215, 100) at every probe point.
::testing::AssertionResult ShowsTitle(CWnd* window, int id)
{
    const std::vector<CPoint> probes = TitleProbes(id);
    if (probes.size() < 10) {
        return ::testing::AssertionFailure() << "title " << id << " has too few distinctive points";
    }
    for (const CPoint& p : probes) {
        const COLORREF shown = uitest::PixelColor(window, kTitleOrigin.x + p.x, kTitleOrigin.y + p.y);
        if (shown != ResourcePixel(id, p.x, p.y)) {
            return ::testing::AssertionFailure() << "title " << id << " differs at (" << p.x << ", " << p.y << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

// A point of the selected-menu plate (bitmap 134) that differs from the menu colour, left of the texts.
CPoint PlateProbe()
{
    for (int y = 0; y < 47; ++y) {
        for (int x = 0; x < 12; ++x) {
            if (ResourcePixel(IDB_MENU_SELECTED, x, y) != kMenuFillColor) {
                return {x, y};
            }
        }
    }
    return {0, 0};
}

bool DrawnSelected(CWnd* window, int menuIndex)
{
    const CPoint probe = PlateProbe();
    const CPoint at = kMenuOrigin[menuIndex] + probe;
    return uitest::PixelColor(window, at.x, at.y) == ResourcePixel(IDB_MENU_SELECTED, probe.x, probe.y);
}

class MainWindowTest : public ShownMainWindow<CObservedCalorieDlg> {
protected:

    // Exactly the calculator `shown` is on screen, with the total bar only beside the food page, its
    // menu button alone drawn selected and its title drawn in full.
    void ExpectCalculator(PageId shown)
    {
        const std::vector<CWnd*> pages = m_dlg.Pages();
        for (PageId page : kPageIds) {
            const auto index = static_cast<std::size_t>(page);
            EXPECT_EQ(uitest::IsVisible(pages[index]), page == shown) << "page " << MenuButtonId(page);
            EXPECT_EQ(DrawnSelected(&m_dlg, static_cast<int>(index)), page == shown) << "menu " << MenuButtonId(page);
        }
        EXPECT_EQ(uitest::IsVisible(m_dlg.TotalBar()), shown == PageId::Food);
        EXPECT_TRUE(ShowsTitle(&m_dlg, TitleBitmapId(shown)));
    }

    uitest::ShellOpenRecorder m_links;
};

// Start-up and layout -----------------------------------------------------------------------------------

TEST_F(MainWindowTest, StartsOnTheFoodCalculator)
{
    ExpectCalculator(PageId::Food);
    EXPECT_TRUE(uitest::IsVisible(m_dlg.BannerHost()));
    EXPECT_EQ(m_dlg.GetWindowText(), "칼로리 계산기");
    EXPECT_TRUE(m_links.Urls().empty());
}

TEST_F(MainWindowTest, IsAFramelessNotebookOf780By530WithTheSkinUnderItsChildren)
{
    CRect window;
    m_dlg.GetWindowRect(&window);
    EXPECT_EQ(window.Size(), CSize(780, 530));
    EXPECT_EQ(m_dlg.GetStyle() & (WS_DLGFRAME | WS_SYSMENU), 0u); // a 1-pixel border, no caption
    EXPECT_NE(m_dlg.GetExStyle() & WS_EX_APPWINDOW, 0u);
    // The skin shows wherever no child covers it: the logo, the menu column between buttons, the sheet.
    for (const CPoint p : {CPoint(100, 90), CPoint(20, 300), CPoint(600, 120), CPoint(750, 480)}) {
        EXPECT_EQ(uitest::PixelColor(&m_dlg, p.x, p.y), ResourcePixel(IDB_SKIN, p.x, p.y)) << p.x << ", " << p.y;
    }
}

TEST_F(MainWindowTest, PlacesButtonsAndChildrenInPixels)
{
    struct Case {
        int id;
        CRect rect;
    };
    const Case buttons[] = {
        {IDC_DIARY, {702, 99, 780, 162}},  {IDC_BODY, {702, 162, 780, 225}}, {IDC_RELAY, {702, 225, 780, 288}},
        {IDC_MALL, {702, 288, 780, 351}}, {IDC_MENU_FOOD, {65, 153, 171, 200}},  {IDC_MENU_EXERCISE, {65, 214, 171, 261}},
        {IDC_MENU_RECOMMEND, {65, 275, 171, 322}},  {IDC_MENU_BMI, {65, 336, 171, 383}},  {IDC_MENU_WAISTHIP, {65, 397, 171, 444}},
        // Close and minimise keep their template places, (433, 3) and (424, 3) dialog units.
        {1, {757, 4, 770, 17}},       {2, {742, 4, 755, 17}},
    };
    for (const Case& c : buttons) {
        EXPECT_EQ(uitest::ControlRect(&m_dlg, c.id), c.rect) << "button " << c.id;
        EXPECT_TRUE(uitest::IsVisible(&m_dlg, c.id)) << "button " << c.id;
    }
    const auto rectOf = [this](CWnd* child) {
        CRect r;
        child->GetWindowRect(&r);
        m_dlg.ScreenToClient(&r);
        return r;
    };
    EXPECT_EQ(rectOf(m_dlg.FoodView()), CRect(215, 140, 685, 360));
    EXPECT_EQ(rectOf(m_dlg.TotalBar()), CRect(215, 360, 685, 390));
    EXPECT_EQ(rectOf(m_dlg.BannerHost()), CRect(215, 395, 700, 485));
    for (std::size_t i = 1; i < kPageIds.size(); ++i) {
        EXPECT_EQ(rectOf(m_dlg.Pages()[i]), CRect(215, 140, 685, 390)) << "page " << i;
    }
}

// The window manager gets the program's icon in the sizes it draws windows with; the larger pictures
// are the launchers' (installed with the program) and stay off the wire.
TEST(MainWindowIcon, ComesInTheSizesOfTitleBarsTaskBarsAndSwitchers)
{
    CWinApp app; // the main window takes its icon from the application
    CExposedCalorieDlg dlg;
    ASSERT_TRUE(dlg.Create(CCalorieDlg::IDD));
    EXPECT_EQ(uitest::WindowIconSizes(&dlg), (std::vector<int>{16, 24, 32, 48, 64}));
    dlg.DestroyWindow();
}

// The calculators that are not on the screen at the start are made once the window's first frame is
// there, hidden, in their place and named; a click that comes before that frame makes them at once.
TEST(MainWindowStart, TheHiddenCalculatorsAreMadeAfterTheFirstFrame)
{
    CExposedCalorieDlg dlg;
    ASSERT_TRUE(dlg.Create(CCalorieDlg::IDD));
    EXPECT_NE(dlg.Page(PageId::Food), nullptr);
    for (std::size_t i = 1; i < kPageIds.size(); ++i) {
        EXPECT_EQ(dlg.Page(kPageIds[i]), nullptr) << "page " << i;
    }
    ASSERT_TRUE(uitest::ShowAndActivate(&dlg));
    ASSERT_TRUE(uitest::WaitUntil([&] { return dlg.Page(PageId::WaistHip) != nullptr; }));
    for (std::size_t i = 1; i < kPageIds.size(); ++i) {
        CWnd* page = dlg.Page(kPageIds[i]);
        ASSERT_NE(page, nullptr) << "page " << i;
        EXPECT_FALSE(uitest::IsVisible(page)) << "page " << i;
        CRect r;
        page->GetWindowRect(&r);
        dlg.ScreenToClient(&r);
        EXPECT_EQ(r, CRect(215, 140, 685, 390)) << "page " << i;
        EXPECT_EQ(uitest::AccessibleName(page), PageTitle(kPageIds[i]));
    }
    EXPECT_TRUE(uitest::IsVisible(dlg.Page(PageId::Food)));
    dlg.DestroyWindow();
}

TEST(MainWindowStart, AClickBeforeTheFirstFrameMakesTheCalculatorsAtOnceAndOnlyOnce)
{
    CExposedCalorieDlg dlg;
    ASSERT_TRUE(dlg.Create(CCalorieDlg::IDD));
    ASSERT_EQ(dlg.Page(PageId::Bmi), nullptr);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MENU_BMI, BN_CLICKED),
                    reinterpret_cast<LPARAM>(dlg.GetDlgItem(IDC_MENU_BMI)->m_hWnd));
    CWnd* const bmi = dlg.Page(PageId::Bmi);
    ASSERT_NE(bmi, nullptr);
    EXPECT_NE(bmi->GetStyle() & WS_VISIBLE, 0u);
    EXPECT_EQ(dlg.Page(PageId::Food)->GetStyle() & WS_VISIBLE, 0u);
    CWnd* const exercise = dlg.Page(PageId::Exercise);
    ASSERT_TRUE(uitest::ShowAndActivate(&dlg));
    for (int i = 0; i < 5; ++i) {
        uitest::ProcessEvents();
    }
    EXPECT_EQ(dlg.Page(PageId::Bmi), bmi);
    EXPECT_EQ(dlg.Page(PageId::Exercise), exercise);
    EXPECT_TRUE(uitest::IsVisible(bmi));
    dlg.DestroyWindow();
}

// Page switching ----------------------------------------------------------------------------------------

TEST_F(MainWindowTest, EachMenuButtonShowsItsCalculatorAndTitle)
{
    // Every page from every other, ending with BMI → food: the food title in full and the bar back.
    const PageId order[] = {PageId::Exercise, PageId::Recommend, PageId::Bmi, PageId::WaistHip,
                            PageId::Exercise, PageId::Bmi,       PageId::Food};
    for (PageId page : order) {
        SCOPED_TRACE(MenuButtonId(page));
        ASSERT_TRUE(uitest::Click(&m_dlg, MenuButtonId(page)));
        ExpectCalculator(page);
    }
}

TEST_F(MainWindowTest, ClickOnTheShownCalculatorChangesNothingButRepaintsTheTitle)
{
    for (PageId page : {PageId::Food, PageId::WaistHip}) {
        SCOPED_TRACE(MenuButtonId(page));
        ASSERT_TRUE(uitest::Click(&m_dlg, MenuButtonId(page)));
        const int paintsBefore = m_dlg.paintCount;
        ASSERT_TRUE(uitest::Click(&m_dlg, MenuButtonId(page)));
        EXPECT_GT(m_dlg.paintCount, paintsBefore);
        ExpectCalculator(page);
    }
}

// Mouse: logo, drag, cursor -----------------------------------------------------------------------------

TEST_F(MainWindowTest, PressOnTheLogoOpensItsLinkOnceAndDoesNotDrag)
{
    // The logo's left and top edges belong to it, its right and bottom edges do not.
    for (const CPoint p : {CPoint(40, 50), CPoint(110, 90), CPoint(179, 129)}) {
        SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
        const std::size_t before = m_links.Urls().size();
        ASSERT_TRUE(uitest::ClickAt(&m_dlg, p));
        uitest::ProcessEvents();
        ASSERT_EQ(m_links.Urls().size(), before + 1);
        EXPECT_EQ(m_links.Urls().back(), LinkUrl(LinkId::Logo));
        EXPECT_TRUE(m_dlg.dragPoints.empty());
    }
}

TEST_F(MainWindowTest, PressElsewhereOnTheSkinDragsTheWindow)
{
    for (const CPoint p : {CPoint(180, 90), CPoint(110, 130), CPoint(39, 60), CPoint(20, 300), CPoint(600, 500)}) {
        SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
        m_dlg.dragPoints.clear();
        ASSERT_TRUE(uitest::ClickAt(&m_dlg, p));
        ASSERT_TRUE(uitest::WaitUntil([this] { return !m_dlg.dragPoints.empty(); }));
        ASSERT_EQ(m_dlg.dragPoints.size(), 1u);
        EXPECT_EQ(CPoint(m_dlg.dragPoints.front()), p);
    }
    EXPECT_TRUE(m_links.Urls().empty());
}

TEST_F(MainWindowTest, HandOverTheLogoAndTheCursorFromFirstEntryOutside)
{
    const HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
    const HCURSOR cross = LoadCursor(nullptr, IDC_CROSS);
    const HCURSOR beam = LoadCursor(nullptr, IDC_IBEAM);
    const auto moveTo = [this](CPoint p) { m_dlg.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y)); };

    SetCursor(cross);
    moveTo({300, 60}); // outside before ever entering: nothing to restore yet
    EXPECT_EQ(GetCursor(), cross);
    moveTo({100, 90});
    EXPECT_EQ(GetCursor(), hand);
    EXPECT_EQ(m_dlg.SavedCursor(), cross);
    moveTo({180, 90});
    EXPECT_EQ(GetCursor(), cross);

    // Taken once per run: entering again with another cursor current keeps the first one.
    SetCursor(beam);
    moveTo({40, 50});
    EXPECT_EQ(GetCursor(), hand);
    moveTo({300, 300});
    EXPECT_EQ(GetCursor(), cross);

    // The same with the real pointer.
    ASSERT_TRUE(uitest::MoveTo(&m_dlg, {120, 100}));
    EXPECT_EQ(GetCursor(), hand);
    ASSERT_TRUE(uitest::MoveTo(&m_dlg, {120, 140}));
    EXPECT_EQ(GetCursor(), cross);
}

// Links -------------------------------------------------------------------------------------------------

TEST_F(MainWindowTest, EachTabOpensItsLinkOncePerPress)
{
    const std::pair<int, LinkId> tabs[] = {
        {IDC_DIARY, LinkId::Diary}, {IDC_BODY, LinkId::Body}, {IDC_RELAY, LinkId::Relay}, {IDC_MALL, LinkId::Mall}};
    std::vector<std::string> expected;
    for (const auto& [id, link] : tabs) {
        ASSERT_TRUE(uitest::Click(&m_dlg, id));
        expected.push_back(LinkUrl(link));
        ASSERT_EQ(m_links.Urls(), expected) << "tab " << id;
    }
    ASSERT_TRUE(uitest::Click(&m_dlg, IDC_BODY));
    expected.push_back(LinkUrl(LinkId::Body));
    EXPECT_EQ(m_links.Urls(), expected);
    EXPECT_TRUE(m_dlg.dragPoints.empty());
}

// Minimise and close ------------------------------------------------------------------------------------

TEST_F(MainWindowTest, MinimiseButtonEscapeAndTheCloseRequestMinimise)
{
    struct Case {
        const char* name;
        std::function<bool()> act;
    };
    const Case cases[] = {
        {"minimise button", [this] { return uitest::Click(&m_dlg, 2); }},
        {"Escape on a menu button", [this] { return uitest::PressKey(&m_dlg, IDC_MENU_FOOD, VK_ESCAPE); }},
        {"Escape on a tab", [this] { return uitest::PressKey(&m_dlg, IDC_RELAY, VK_ESCAPE); }},
        {"system close request", [this] { m_dlg.SendMessage(WM_SYSCOMMAND, SC_CLOSE); return true; }},
        {"close message", [this] { m_dlg.SendMessage(WM_CLOSE); return true; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(m_dlg.IsIconic());
        ASSERT_TRUE(c.act());
        EXPECT_TRUE(uitest::WaitUntil([this] { return m_dlg.IsIconic() != FALSE; }));
        EXPECT_TRUE(IsWindow(m_dlg.m_hWnd));
        m_dlg.ShowWindow(SW_RESTORE);
        ASSERT_TRUE(uitest::WaitUntil([this] { return !m_dlg.IsIconic(); }));
        ASSERT_TRUE(uitest::ShowAndActivate(&m_dlg));
    }
    EXPECT_TRUE(m_links.Urls().empty());
}

TEST_F(MainWindowTest, EnterAndEscapeOnTheOtherPagesAndTheTotalBarDoNothing)
{
    // The BMI page has tests of its own. Escape unhandled would end the page (hiding it) or minimise the
    // window; Enter unhandled would be the page's OK, which ends it too.
    struct Case {
        PageId page;
        std::function<CWnd*()> window;
        int control;
    };
    const Case cases[] = {
        {PageId::Food, [this] { return m_dlg.TotalBar(); }, IDC_RESET},
        {PageId::Exercise, [this] { return m_dlg.Pages()[1]; }, IDC_WEIGHT},
        {PageId::Recommend, [this] { return m_dlg.Pages()[2]; }, IDC_HEIGHT},
        {PageId::WaistHip, [this] { return m_dlg.Pages()[4]; }, IDC_WAIST},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(uitest::Click(&m_dlg, MenuButtonId(c.page)));
        CWnd* window = c.window();
        for (const int id : {c.control, 0}) {
            for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
                SCOPED_TRACE(testing::Message() << MenuButtonId(c.page) << " control " << id << " key " << key);
                ASSERT_TRUE(uitest::PressKey(window, id, key));
                uitest::ProcessEvents();
                EXPECT_TRUE(uitest::IsVisible(window));
                EXPECT_FALSE(m_dlg.IsIconic());
            }
        }
    }
    EXPECT_TRUE(IsWindow(m_dlg.m_hWnd));
}

TEST(MainWindowModal, OnlyTheCloseButtonEndsTheRun)
{
    CObservedCalorieDlg dlg;
    std::vector<std::string> steps;
    dlg.onInitScript = [&steps](CObservedCalorieDlg& self) {
        const std::function<void()> triggers[] = {
            [&self] { uitest::Click(&self, 2); },
            [&self] { uitest::PressKey(&self, IDC_MENU_EXERCISE, VK_ESCAPE); },
            [&self] { self.SendMessage(WM_SYSCOMMAND, SC_CLOSE); },
        };
        for (const auto& trigger : triggers) {
            uitest::ShowAndActivate(&self);
            trigger();
            steps.push_back(uitest::WaitUntil([&self] { return self.IsIconic() != FALSE; }) ? "minimised" : "open");
            self.ShowWindow(SW_RESTORE);
            uitest::WaitUntil([&self] { return !self.IsIconic(); });
        }
        uitest::ShowAndActivate(&self);
        if (!uitest::Click(&self, 1)) {
            self.EndDialog(-2); // never leave the run hanging
        }
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(steps, (std::vector<std::string>{"minimised", "minimised", "minimised"}));
    EXPECT_FALSE(IsWindow(dlg.m_hWnd));
}

// System menu and about box -----------------------------------------------------------------------------

TEST_F(MainWindowTest, SystemMenuEndsWithTheAboutEntryAfterASeparator)
{
    CMenu* menu = m_dlg.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = menu->GetMenuItemCount();
    ASSERT_GE(count, 2);
    EXPECT_EQ(menu->GetMenuItemID(count - 2), 0u); // the separator
    EXPECT_EQ(menu->GetMenuItemID(count - 1), IDM_ABOUTBOX);
    EXPECT_EQ(menu->GetMenuString(IDM_ABOUTBOX, MF_BYCOMMAND), "Vintora 정보(&A)...");
}

// What the about box showed, read while it was open, and how it went.
struct AboutSeen {
    bool opened = false;
    std::string title, version, note, button;
    bool pressedOk = false;
    HWND window = nullptr;
};

// Waits for the about box (the window that takes the focus away from the main window), reads it and
// presses "확인". Runs inside the about box's modal loop, which ends once this returns.
void ReadAndCloseAboutBox(CObservedCalorieDlg& main, AboutSeen& seen)
{
    CWnd* about = nullptr;
    seen.opened = uitest::WaitUntil([&] {
        CWnd* focus = CWnd::GetFocus();
        about = focus ? focus->GetTopLevelParent() : nullptr;
        return about && about != &main;
    });
    if (!seen.opened) {
        return;
    }
    seen.title = about->GetWindowText();
    seen.version = uitest::Text(about, IDC_ABOUT_VERSION);
    seen.note = uitest::Text(about, IDC_ABOUT_NOTE);
    seen.button = uitest::Text(about, IDOK);
    seen.window = about->m_hWnd;
    seen.pressedOk = uitest::Click(about, IDOK);
}

TEST_F(MainWindowTest, AboutEntryOpensTheAboutBoxModally)
{
    // The command's low four bits are the platform's and do not matter.
    for (UINT command : {IDM_ABOUTBOX, IDM_ABOUTBOX | 0x3u}) {
        SCOPED_TRACE(command);
        AboutSeen seen;
        m_dlg.PostScript([&seen](CObservedCalorieDlg& self) { ReadAndCloseAboutBox(self, seen); });
        m_dlg.SendMessage(WM_SYSCOMMAND, command); // returns when the about box has closed
        EXPECT_TRUE(seen.opened);
        EXPECT_EQ(seen.title, "Vintora 정보");
        EXPECT_EQ(seen.version, "Vintora 버전 1.0");
        EXPECT_FALSE(seen.note.empty());
        EXPECT_EQ(seen.button, "확인");
        EXPECT_TRUE(seen.pressedOk);
        EXPECT_FALSE(IsWindow(seen.window)); // "확인" closed it
        EXPECT_TRUE(IsWindow(m_dlg.m_hWnd));
        EXPECT_FALSE(m_dlg.IsIconic());
    }
}

TEST_F(MainWindowTest, OtherSystemCommandsKeepTheirUsualMeaning)
{
    m_dlg.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(uitest::WaitUntil([this] { return m_dlg.IsIconic() != FALSE; }));
    EXPECT_TRUE(IsWindow(m_dlg.m_hWnd));
}

} // namespace
