// The main window's keys and focus as a person meets them: a press on the skin, on the title or on a page's
// band leaves the focus where it was; Enter then presses the focused button or does nothing; only the close
// button ends the run, by pointer, Enter or Space; the about box keeps its keys to itself.

#include "app/CalorieDlg.h"
#include "app/PageModel.h"
#include "body/BmiDlg.h"
#include "body/RecommendDlg.h"
#include "body/WaistHipDlg.h"
#include "exercise/ExerciseDlg.h"
#include "food/FoodView.h"
#include "platform/testing/TestDriver.h"
#include "res/Resource.h"
#include "web/ADView.h"
#include "web/BannerHostDlg.h"
#include "web/LinkTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Presses that fall on the main window itself: the skin in three places and the title; and one on the
// BMI page's band (between its rows of fields, away from every control).
constexpr CPoint kSkinPresses[] = {{450, 30}, {10, 300}, {400, 515}, {250, 115}};
constexpr CPoint kBandPress{450, 230};

// The main window with its calculator pages in menu order.
class CKeysCalorieDlg : public CCalorieDlg {
public:
    std::vector<CWnd*> Pages() const
    {
        return {m_pFoodView, m_pExercisePage, m_pRecommendPage, m_pBmiPage, m_pWaistHipPage};
    }
    bool Shows(PageId page) const { return uitest::IsVisible(Pages()[static_cast<std::size_t>(page)]); }
    CWnd* BannerView() const { return m_pBannerHost->m_pView; }
};

class MainWindowKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(CCalorieDlg::IDD));
        ASSERT_TRUE(uitest::ShowAndActivate(&m_dlg));
        ASSERT_TRUE(uitest::Click(&m_dlg, IDC_MENU_BMI));
        ASSERT_TRUE(m_dlg.Shows(PageId::Bmi));
    }
    void TearDown() override
    {
        if (IsWindow(m_dlg.m_hWnd)) {
            m_dlg.DestroyWindow();
        }
    }
    void Focus(int id) { m_dlg.GotoDlgCtrl(m_dlg.GetDlgItem(id)); }
    CWnd* BmiPage() const { return m_dlg.Pages()[static_cast<std::size_t>(PageId::Bmi)]; }

    uitest::ShellOpenRecorder m_links;
    CKeysCalorieDlg m_dlg;
};

TEST_F(MainWindowKeys, APressOnTheSkinTheTitleOrAPageBandLeavesTheFocusWhereItWas)
{
    struct Start {
        const char* name;
        std::function<void()> focus;
    };
    const Start starts[] = {
        {"a menu button", [this] { Focus(IDC_MENU_BMI); }},
        {"a tab", [this] { Focus(IDC_RELAY); }},
        {"the BMI height field", [this] { uitest::Click(BmiPage(), IDC_HEIGHT); }},
    };
    std::vector<CPoint> presses(std::begin(kSkinPresses), std::end(kSkinPresses));
    presses.push_back(kBandPress);
    for (const Start& start : starts) {
        start.focus();
        CWnd* const focused = CWnd::GetFocus();
        ASSERT_NE(focused, nullptr) << start.name;
        for (const CPoint p : presses) {
            SCOPED_TRACE(testing::Message() << start.name << ", press at " << p.x << ", " << p.y);
            ASSERT_TRUE(uitest::ClickAt(&m_dlg, p));
            uitest::ProcessEvents();
            EXPECT_EQ(CWnd::GetFocus(), focused);
        }
    }
    EXPECT_TRUE(m_links.Urls().empty());
}

TEST_F(MainWindowKeys, EnterAfterAPressOnTheSkinPressesTheFocusedButton)
{
    Focus(IDC_MENU_WAISTHIP);
    ASSERT_TRUE(uitest::ClickAt(&m_dlg, kSkinPresses[0]));
    ASSERT_TRUE(uitest::PressFocusedKey(VK_RETURN));
    EXPECT_TRUE(m_dlg.Shows(PageId::WaistHip)) << "Enter pressed the focused menu button";

    Focus(IDC_MENU_EXERCISE);
    ASSERT_TRUE(uitest::ClickAt(&m_dlg, kSkinPresses[1]));
    ASSERT_TRUE(uitest::PressFocusedKey(VK_RETURN, true));
    EXPECT_TRUE(m_dlg.Shows(PageId::Exercise)) << "so did keypad Enter";

    Focus(IDC_RELAY);
    ASSERT_TRUE(uitest::ClickAt(&m_dlg, kSkinPresses[2]));
    ASSERT_TRUE(uitest::PressFocusedKey(VK_RETURN));
    EXPECT_EQ(m_links.Urls(), std::vector<std::string>{LinkUrl(LinkId::Relay)}) << "Enter on a tab opens its link";
}

TEST_F(MainWindowKeys, WithNoButtonFocusedEnterDoesNothing)
{
    struct Start {
        const char* name;
        std::function<void()> focus;
    };
    const Start starts[] = {
        {"the main window itself", [this] { m_dlg.SetFocus(); }},
        {"the BMI height field", [this] { uitest::Click(BmiPage(), IDC_HEIGHT); }},
    };
    for (const Start& start : starts) {
        start.focus();
        for (const CPoint p : kSkinPresses) {
            for (const bool keypad : {false, true}) {
                SCOPED_TRACE(testing::Message() << start.name << ", press at " << p.x << ", " << p.y
                                                << (keypad ? ", keypad Enter" : ", Enter"));
                ASSERT_TRUE(uitest::ClickAt(&m_dlg, p));
                ASSERT_TRUE(uitest::PressFocusedKey(VK_RETURN, keypad));
                uitest::ProcessEvents();
                EXPECT_TRUE(m_dlg.Shows(PageId::Bmi));
                EXPECT_TRUE(m_dlg.IsWindowVisible());
                EXPECT_FALSE(m_dlg.IsIconic());
            }
        }
    }
    EXPECT_TRUE(m_links.Urls().empty());
}

// A modal run of the main window: every key and press before `end` leaves it running; `end` must end it.
struct ModalRun {
    std::vector<std::string> steps; // "running" after each step that must not end the run
    INT_PTR result = 0;
};

ModalRun RunUntil(const std::function<void(CKeysCalorieDlg&)>& end)
{
    CKeysCalorieDlg dlg;
    ModalRun run;
    uitest::WhenModal([&] {
        const std::function<void()> steps[] = {
            [&] { uitest::ClickAt(&dlg, kSkinPresses[0]); uitest::PressFocusedKey(VK_RETURN); },
            [&] { dlg.SetFocus(); uitest::ClickAt(&dlg, kSkinPresses[3]); uitest::PressFocusedKey(VK_RETURN, true); },
            [&] { dlg.SetFocus(); uitest::PressFocusedKey(VK_SPACE); },
            [&] { dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_MENU_BMI)); uitest::PressFocusedKey(VK_RETURN); },
            [&] { dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_MENU_FOOD)); uitest::PressFocusedKey(VK_SPACE); },
        };
        for (const auto& step : steps) {
            step();
            uitest::ProcessEvents();
            run.steps.push_back(IsWindow(dlg.m_hWnd) && dlg.IsWindowVisible() ? "running" : "ended");
        }
        end(dlg);
        if (!uitest::WaitUntil([&] { return !dlg.IsWindowVisible(); }, 2000)) {
            dlg.EndDialog(-2); // never leave the run hanging
        }
    });
    run.result = dlg.DoModal();
    return run;
}

TEST(MainWindowRun, OnlyTheCloseButtonEndsTheRunByPointerEnterOrSpace)
{
    uitest::ShellOpenRecorder links;
    const std::pair<const char*, std::function<void(CKeysCalorieDlg&)>> ends[] = {
        {"pointer", [](CKeysCalorieDlg& dlg) { uitest::Click(&dlg, IDOK); }},
        {"Enter", [](CKeysCalorieDlg& dlg) { dlg.GotoDlgCtrl(dlg.GetDlgItem(IDOK)); uitest::PressFocusedKey(VK_RETURN); }},
        {"Space", [](CKeysCalorieDlg& dlg) { dlg.GotoDlgCtrl(dlg.GetDlgItem(IDOK)); uitest::PressFocusedKey(VK_SPACE); }},
    };
    for (const auto& [name, end] : ends) {
        SCOPED_TRACE(name);
        const ModalRun run = RunUntil(end);
        EXPECT_EQ(run.steps, std::vector<std::string>(5, "running"));
        EXPECT_EQ(run.result, IDOK);
    }
    // At the start the focus is in the food page's first dish box, where Enter does nothing: no link opened.
    EXPECT_TRUE(links.Urls().empty());
}

// Enter, keypad Enter, Space and Escape on the about box close it alone: the main window beneath keeps its
// page, its focus and its modal loop, and is active again.
TEST(MainWindowRun, TheAboutBoxKeepsItsKeysToItself)
{
    uitest::ShellOpenRecorder links;
    struct Key {
        const char* name;
        UINT vk;
        bool keypad;
    };
    const Key keys[] = {{"Enter", VK_RETURN, false}, {"keypad Enter", VK_RETURN, true}, {"Space", VK_SPACE, false},
                        {"Escape", VK_ESCAPE, false}};
    CKeysCalorieDlg dlg;
    std::vector<std::string> seen;
    uitest::WhenModal([&] {
        dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_MENU_EXERCISE)); // Enter leaking beneath would switch the page
        for (const Key& key : keys) {
            bool closedByKey = false;
            uitest::WhenModal([&] {
                uitest::PressFocusedKey(key.vk, key.keypad);
                closedByKey = !uitest::CloseModalIfStillOpen();
            });
            dlg.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX); // returns when the about box has closed
            const bool active = uitest::WaitUntil([&] { return uitest::IsActive(&dlg); });
            seen.push_back(std::string(key.name) + (closedByKey ? " closed it" : " did not close it") +
                           (active && dlg.Shows(PageId::Food) && !dlg.IsIconic() ? ", main untouched" : ", main changed") +
                           (uitest::FocusedControlId(&dlg) == IDC_MENU_EXERCISE ? ", focus back" : ", focus lost"));
        }
        uitest::Click(&dlg, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    std::vector<std::string> expected;
    for (const Key& key : keys) {
        expected.push_back(std::string(key.name) + " closed it, main untouched, focus back");
    }
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(links.Urls().empty());
}

// The dotted focus rectangle 3 pixels inside a button's edge: every other pixel there inverted against the
// same button drawn without it. A click gives the button the focus and no cue; once Tab has moved the focus
// away and back, the button shows its rectangle.
TEST_F(MainWindowKeys, AFocusedButtonShowsItsFocusRectangleOnlyOnceTheKeyboardMovedAround)
{
    const CRect button = uitest::ControlRect(&m_dlg, IDC_RELAY);
    const int y = button.top + 3;
    const auto edgeRow = [&] {
        std::vector<COLORREF> row;
        for (int x = button.left + 3; x < button.right - 3; ++x) {
            row.push_back(uitest::PixelColor(&m_dlg, x, y));
        }
        return row;
    };
    ASSERT_TRUE(uitest::MoveTo(&m_dlg, CPoint(450, 30))); // the pointer rests elsewhere: the plain frame
    Focus(IDC_RELAY);
    const std::vector<COLORREF> plain = edgeRow();
    ASSERT_TRUE(uitest::Click(&m_dlg, IDC_RELAY));
    ASSERT_TRUE(uitest::MoveTo(&m_dlg, CPoint(450, 30)));
    uitest::ProcessEvents();
    ASSERT_EQ(uitest::FocusedControlId(&m_dlg), IDC_RELAY);
    EXPECT_EQ(edgeRow(), plain) << "a pointer user sees no focus cue";

    ASSERT_TRUE(uitest::PressKey(&m_dlg, IDC_RELAY, VK_TAB));
    const int next = uitest::FocusedControlId(&m_dlg);
    ASSERT_NE(next, IDC_RELAY);
    ASSERT_TRUE(uitest::PressKey(&m_dlg, next, VK_TAB, true));
    uitest::ProcessEvents(); // the buttons repaint as the focus moves
    ASSERT_EQ(uitest::FocusedControlId(&m_dlg), IDC_RELAY);
    const std::vector<COLORREF> cue = edgeRow();
    ASSERT_EQ(cue.size(), plain.size());
    for (std::size_t i = 0; i < cue.size(); ++i) {
        SCOPED_TRACE(i);
        const COLORREF p = plain[i];
        const bool dotted = i % 2 == 0; // from the rectangle's corner, every other pixel
        EXPECT_EQ(cue[i], dotted ? RGB(255 - GetRValue(p), 255 - GetGValue(p), 255 - GetBValue(p)) : p);
    }
}

// The calculator keys --------------------------------------------------------------------------------

// The window with the keyboard's focus and its control id, for following the focus round the window.
std::pair<CWnd*, int> FocusedStop()
{
    CWnd* focus = CWnd::GetFocus();
    return {focus ? focus->GetParent() : nullptr, focus ? focus->GetDlgCtrlID() : 0};
}

TEST_F(MainWindowKeys, CtrlDigitsTabAndPageKeysShowTheCalculatorsFromAnyFocusWithItsFirstControlFocused)
{
    struct Case {
        const char* name;
        std::function<void()> focus;
        UINT key;
        bool shift;
        PageId shows;
        int firstControl;
    };
    const Case cases[] = {
        {"Ctrl+1 from the BMI height field", [this] { uitest::Click(BmiPage(), IDC_HEIGHT); }, '1', false,
         PageId::Food, IDC_DISH1},
        {"Ctrl+Tab from a dish box", [this] { m_dlg.GotoDlgCtrl(m_dlg.Pages()[0]->GetDlgItem(IDC_DISH3)); }, VK_TAB, false,
         PageId::Exercise, IDC_WEIGHT},
        {"Ctrl+PageDown from the exercise drop-down", [this] { m_dlg.GotoDlgCtrl(m_dlg.Pages()[1]->GetDlgItem(IDC_EXERCISE)); },
         VK_NEXT, false, PageId::Recommend, IDC_HEIGHT},
        {"Ctrl+5 from the banner", [this] { m_dlg.BannerView()->SetFocus(); }, '5', false, PageId::WaistHip, IDC_WAIST},
        {"Ctrl+Shift+Tab from a menu button", [this] { Focus(IDC_MENU_BMI); }, VK_TAB, true, PageId::Bmi,
         IDC_HEIGHT},
        {"Ctrl+1 from a menu button", [this] { Focus(IDC_MENU_FOOD); }, '1', false, PageId::Food, IDC_DISH1},
        {"then Ctrl+PageUp, round to the last calculator", [] {}, VK_PRIOR, false, PageId::WaistHip, IDC_WAIST},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.focus();
        uitest::ProcessEvents();
        ASSERT_TRUE(uitest::PressFocusedKey(c.key, false, c.shift, false, true));
        uitest::ProcessEvents();
        CWnd* page = m_dlg.Pages()[static_cast<std::size_t>(c.shows)];
        EXPECT_TRUE(m_dlg.Shows(c.shows));
        EXPECT_EQ(FocusedStop(), std::pair(page, c.firstControl));
    }
    EXPECT_TRUE(m_links.Urls().empty());
}

// From the BMI page's height field round the whole window: each control once, the radio pair one stop; the
// banner's web page takes Tab for its own links, and Shift+Tab reaches it from the other side.
TEST_F(MainWindowKeys, TabGoesOnceRoundEveryControlOfTheWindowAndShiftTabBack)
{
    CWnd* bmi = BmiPage(); // a page without a total bar
    const std::pair<CWnd*, int> banner{m_dlg.BannerView()->GetParent(), IDC_BANNER_VIEW};
    const std::vector<std::pair<CWnd*, int>> forward = {
        {bmi, IDC_WEIGHT},          {bmi, IDC_FEMALE},        {bmi, IDC_OK},
        {&m_dlg, IDC_MENU_FOOD},    {&m_dlg, IDC_MENU_EXERCISE}, {&m_dlg, IDC_MENU_RECOMMEND},
        {&m_dlg, IDC_MENU_BMI},     {&m_dlg, IDC_MENU_WAISTHIP}, {&m_dlg, IDC_DIARY},
        {&m_dlg, IDC_BODY},         {&m_dlg, IDC_RELAY},      {&m_dlg, IDC_MALL},
        banner,
    };
    const std::vector<std::pair<CWnd*, int>> backward = {{&m_dlg, IDOK}, {&m_dlg, IDCANCEL}, banner};
    for (const auto& [shift, stops] : {std::pair{false, forward}, std::pair{true, backward}}) {
        uitest::Click(bmi, IDC_HEIGHT);
        for (std::size_t i = 0; i < stops.size(); ++i) {
            SCOPED_TRACE(testing::Message() << (shift ? "Shift+Tab " : "Tab ") << i + 1);
            ASSERT_TRUE(uitest::PressFocusedKey(VK_TAB, false, shift));
            EXPECT_EQ(FocusedStop(), stops[i]);
        }
    }
    Focus(IDOK);
    ASSERT_TRUE(uitest::PressFocusedKey(VK_TAB));
    EXPECT_EQ(FocusedStop(), std::pair(bmi, IDC_HEIGHT)) << "round from close to the page";

    // Arrows choose within the radio pair.
    uitest::Click(BmiPage(), IDC_WEIGHT);
    ASSERT_TRUE(uitest::PressFocusedKey(VK_TAB));
    ASSERT_TRUE(uitest::PressFocusedKey(VK_LEFT));
    EXPECT_EQ(FocusedStop(), std::pair(bmi, IDC_MALE));
    EXPECT_TRUE(uitest::IsChecked(bmi, IDC_MALE));
    EXPECT_TRUE(m_links.Urls().empty());
}

TEST_F(MainWindowKeys, CtrlCCopiesTheShownResultsUnlessAnEntryHasTextSelected)
{
    ASSERT_TRUE(uitest::PressFocusedKey('1', false, false, false, true));
    CWnd* food = m_dlg.Pages()[0];
    ASSERT_TRUE(uitest::ChooseComboEntry(food, IDC_DISH1, "쌀밥"));
    ASSERT_TRUE(uitest::ChooseComboEntry(food, IDC_PORTION1, "1"));
    ASSERT_TRUE(uitest::PressFocusedKey('C', false, false, false, true));
    EXPECT_EQ(uitest::ClipboardText(), "밥, 죽\t쌀밥\t1\t311.0 Kcal\n당신이 체크한 총 칼로리는 311.0 Kcal 입니다.\n");

    ASSERT_TRUE(uitest::Click(&m_dlg, IDC_MENU_BMI));
    ASSERT_TRUE(uitest::TypeText(BmiPage(), IDC_HEIGHT, "170"));
    ASSERT_TRUE(uitest::TypeText(BmiPage(), IDC_WEIGHT, "65"));
    ASSERT_TRUE(uitest::Click(BmiPage(), IDC_OK));
    uitest::ProcessEvents();
    ASSERT_TRUE(uitest::Click(BmiPage(), IDC_HEIGHT));
    ASSERT_TRUE(uitest::PressFocusedKey('C', false, false, false, true));
    EXPECT_EQ(uitest::ClipboardText(), "키 170 cm\n몸무게 65 kg\n성별 여자\n귀하는 BMI 지수가 22.49 이므로 정상입니다. \n");

    ASSERT_TRUE(uitest::PressFocusedKey('A', false, false, false, true)); // the field's text selected
    ASSERT_TRUE(uitest::PressFocusedKey('C', false, false, false, true));
    EXPECT_EQ(uitest::ClipboardText(), "170");
}

TEST(MainWindowStart, TheFocusStartsInTheFoodPagesFirstDishBox)
{
    CKeysCalorieDlg dlg;
    ASSERT_TRUE(dlg.Create(CCalorieDlg::IDD));
    ASSERT_TRUE(uitest::ShowAndActivate(&dlg));
    EXPECT_EQ(FocusedStop(), std::pair(dlg.Pages()[0], IDC_DISH1));
    dlg.DestroyWindow();
}

} // namespace
