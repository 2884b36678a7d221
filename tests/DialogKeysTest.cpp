// Dialogs: keys as a dialog handles them unless PreTranslateMessage swallows them, the system close
// request and the system menu, the modal loop, and a frameless popup with its frame line.

#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

enum : int { kFirst = 10, kSecond = 11, kNoStop = 12, kButton = 13, kHidden = 14, kLast = 15 };

constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
constexpr std::array kControls{
    DialogControl{kFirst, "Edit", kEdit | WS_TABSTOP, 0, 5, 5, 50, 12, ""},
    DialogControl{kSecond, "Edit", kEdit | WS_TABSTOP, 0, 60, 5, 50, 12, ""},
    DialogControl{kNoStop, "Edit", kEdit, 0, 115, 5, 50, 12, ""}, // not a tab stop
    DialogControl{kButton, "Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 5, 25, 50, 14, "단추"},
    DialogControl{kHidden, "Edit", (kEdit & ~WS_VISIBLE) | WS_TABSTOP, 0, 60, 25, 50, 12, ""}, // hidden
    DialogControl{kLast, "Edit", kEdit | WS_TABSTOP, 0, 115, 25, 50, 12, ""},
};
constexpr DialogTemplate kTemplate{3, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 170, 45, "", "굴림", 9, kControls};

// Records the commands and system commands that reach it.
class CKeysDlg : public CDialog {
public:
    explicit CKeysDlg(const DialogTemplate& t = kTemplate) : CDialog(t) {}
    std::vector<std::string> log;
    bool swallowEnterAndEscape = false;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        // What the program's pages do: Enter and Escape go nowhere.
        if (swallowEnterAndEscape && pMsg->message == WM_KEYDOWN &&
            (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
            log.push_back("swallowed " + std::to_string(pMsg->wParam));
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }
    void OnOK() override { log.push_back("ok"); }
    void OnCancel() override { log.push_back("cancel"); }
    afx_msg void OnButton() { log.push_back("button"); }
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        log.push_back("syscommand " + std::to_string(nID & 0xFFF0));
        CDialog::OnSysCommand(nID, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeysDlg, CDialog)
    ON_BN_CLICKED(kButton, &CKeysDlg::OnButton)
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

class DialogKeys : public ::testing::Test {
protected:
    CKeysDlg m_dlg;
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.CreateIndirect(kTemplate));
        ASSERT_TRUE(uitest::ShowAndActivate(&m_dlg));
    }
};

TEST_F(DialogKeys, TheFirstTabStopHasTheFocusAndTabFollowsTheTemplateOrder)
{
    EXPECT_EQ(uitest::FocusedControlId(&m_dlg), kFirst);
    // Tab skips controls without WS_TABSTOP and hidden ones, and wraps around.
    std::vector<int> order;
    int id = kFirst;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(uitest::PressKey(&m_dlg, id, VK_TAB));
        id = uitest::FocusedControlId(&m_dlg);
        order.push_back(id);
    }
    EXPECT_EQ(order, (std::vector<int>{kSecond, kButton, kLast, kFirst}));
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kFirst, VK_TAB, true));
    EXPECT_EQ(uitest::FocusedControlId(&m_dlg), kLast) << "Shift+Tab goes backwards";
}

TEST_F(DialogKeys, TabbingIntoAnEditSelectsItsText)
{
    m_dlg.SetDlgItemText(kSecond, "123");
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kFirst, VK_TAB));
    int start = -1;
    int end = -1;
    static_cast<CEdit*>(m_dlg.GetDlgItem(kSecond))->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 3);
}

TEST_F(DialogKeys, EnterAndKeypadEnterPressTheFocusedButtonAndNothingElseWithoutADefaultButton)
{
    for (const bool keypad : {false, true}) {
        SCOPED_TRACE(keypad ? "keypad Enter" : "Enter");
        m_dlg.log.clear();
        for (const int id : {kFirst, kButton, kLast}) {
            m_dlg.GotoDlgCtrl(m_dlg.GetDlgItem(id));
            ASSERT_TRUE(uitest::PressFocusedKey(VK_RETURN, keypad));
        }
        EXPECT_EQ(m_dlg.log, std::vector<std::string>{"button"}) << "never an OK command by surprise";
    }
}

// The same controls with a default push button (IDOK) after them.
constexpr std::array kControlsWithDefault{
    kControls[0], kControls[1], kControls[2], kControls[3], kControls[4], kControls[5],
    DialogControl{IDOK, "Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 115, 25, 50, 14, "확인"},
};
constexpr DialogTemplate kTemplateWithDefault{4, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 170, 45, "", "굴림", 9,
                                              kControlsWithDefault};

TEST(DialogDefaultButton, EnterAwayFromAPushButtonPressesTheDefaultButton)
{
    CKeysDlg dlg(kTemplateWithDefault);
    ASSERT_TRUE(dlg.CreateIndirect(kTemplateWithDefault));
    ASSERT_TRUE(uitest::ShowAndActivate(&dlg));
    ASSERT_TRUE(uitest::PressKey(&dlg, kFirst, VK_RETURN));
    ASSERT_TRUE(uitest::PressKey(&dlg, kButton, VK_RETURN));
    ASSERT_TRUE(uitest::PressKey(&dlg, kLast, VK_RETURN));
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"ok", "button", "ok"}));
    // A default button that cannot be pressed is not pressed by Enter either.
    dlg.GetDlgItem(IDOK)->EnableWindow(FALSE);
    ASSERT_TRUE(uitest::PressKey(&dlg, kFirst, VK_RETURN));
    EXPECT_EQ(dlg.log.size(), 3u);
}

TEST_F(DialogKeys, APressOnTheBackgroundLeavesTheFocusWithTheControlThatHasIt)
{
    for (const int id : {kSecond, kButton}) {
        SCOPED_TRACE(id);
        m_dlg.GotoDlgCtrl(m_dlg.GetDlgItem(id));
        ASSERT_EQ(uitest::FocusedControlId(&m_dlg), id);
        ASSERT_TRUE(uitest::ClickAt(&m_dlg, CPoint(280, 60))); // right of every control
        EXPECT_EQ(uitest::FocusedControlId(&m_dlg), id);
    }
    ASSERT_TRUE(uitest::PressFocusedKey(VK_RETURN));
    EXPECT_EQ(m_dlg.log, std::vector<std::string>{"button"});
}

TEST_F(DialogKeys, EscapeAndTheDesktopsCloseRequestAreTheCancelCommand)
{
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kSecond, VK_ESCAPE));
    m_dlg.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_EQ(m_dlg.log, (std::vector<std::string>{"cancel", "syscommand 61536", "cancel"}));
}

TEST_F(DialogKeys, PreTranslateMessageCanSwallowEnterAndEscape)
{
    m_dlg.swallowEnterAndEscape = true;
    m_dlg.SetDlgItemText(kFirst, "60");
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kFirst, VK_RETURN));
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kButton, VK_RETURN));
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kFirst, VK_ESCAPE));
    const std::string enter = std::to_string(VK_RETURN);
    const std::string escape = std::to_string(VK_ESCAPE);
    EXPECT_EQ(m_dlg.log,
              (std::vector<std::string>{"swallowed " + enter, "swallowed " + enter, "swallowed " + escape}));
    EXPECT_EQ(uitest::Text(&m_dlg, kFirst), "60") << "the edit did not see the keys either";
    // Other keys still reach the controls.
    ASSERT_TRUE(uitest::PressKey(&m_dlg, kFirst, VK_TAB));
    EXPECT_EQ(uitest::FocusedControlId(&m_dlg), kSecond);
}

TEST_F(DialogKeys, TheSystemMenuOpensOnARightClickAltSpaceShiftF10AndTheMenuKeyAndDeliversSystemCommands)
{
    CMenu* menu = m_dlg.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    menu->AppendMenu(MF_SEPARATOR);
    menu->AppendMenu(MF_STRING, 0x0010, "정보(&A)...");

    ASSERT_TRUE(uitest::RightClickAt(&m_dlg, CPoint(200, 60)));
    ASSERT_TRUE(uitest::WaitUntil([] { return uitest::IsMenuOpen(); }));
    const std::vector<std::string> entries = uitest::OpenMenuEntries();
    EXPECT_EQ(entries.back(), "정보(&A)...");
    ASSERT_TRUE(uitest::ChooseMenuEntry("정보(&A)..."));
    ASSERT_TRUE(uitest::WaitUntil([&] { return !m_dlg.log.empty(); }));
    EXPECT_EQ(m_dlg.log, std::vector<std::string>{"syscommand 16"});

    // The keyboard's context-menu keys, from a control: the window's menu.
    for (const auto& [key, shift] : {std::pair{VK_F10, true}, std::pair{VK_APPS, false}}) {
        SCOPED_TRACE(key);
        m_dlg.log.clear();
        ASSERT_TRUE(uitest::PressKey(&m_dlg, kSecond, key, shift));
        ASSERT_TRUE(uitest::WaitUntil([] { return uitest::IsMenuOpen(); }));
        ASSERT_TRUE(uitest::ChooseMenuEntry("정보(&A)..."));
        ASSERT_TRUE(uitest::WaitUntil([&] { return !m_dlg.log.empty(); }));
        EXPECT_EQ(m_dlg.log, std::vector<std::string>{"syscommand 16"});
    }

    ASSERT_TRUE(uitest::PressKey(&m_dlg, kFirst, VK_SPACE, false, true));
    ASSERT_TRUE(uitest::WaitUntil([] { return uitest::IsMenuOpen(); }));
    ASSERT_TRUE(uitest::ChooseMenuEntry("최소화(&N)"));
    ASSERT_TRUE(uitest::WaitUntil([&] { return m_dlg.IsIconic(); }));
    EXPECT_EQ(m_dlg.log.back(), "syscommand " + std::to_string(SC_MINIMIZE));
    m_dlg.SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_TRUE(uitest::WaitUntil([&] { return !m_dlg.IsIconic(); }));
}

// The modal loop ends with EndDialog's result; the window is gone when DoModal returns.
class CModalDlg : public CDialog {
public:
    CModalDlg() : CDialog(kTemplate) {}
    HWND seen = nullptr;
    bool visibleWhileRunning = false;
    afx_msg LRESULT OnFinish(WPARAM result, LPARAM)
    {
        visibleWhileRunning = IsWindowVisible();
        EndDialog(static_cast<int>(result));
        return 0;
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        seen = m_hWnd;
        PostMessage(WM_APP, 7);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModalDlg, CDialog)
    ON_MESSAGE(WM_APP, &CModalDlg::OnFinish)
END_MESSAGE_MAP()

TEST(ModalDialog, DoModalRunsUntilEndDialogAndAnswersItsResult)
{
    CModalDlg dlg;
    EXPECT_EQ(dlg.DoModal(), 7);
    EXPECT_TRUE(dlg.visibleWhileRunning);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(dlg.seen));
}

TEST(ModalDialog, AMissingTemplateAnswersMinusOne)
{
    CDialog dlg(987654);
    EXPECT_EQ(dlg.DoModal(), -1);
}

TEST(FramelessPopup, ABorderIsAOnePixelBlackLineAroundTheClientArea)
{
    // The main window's template: 445 × 352 dialog units, popup with border, no caption.
    constexpr DialogTemplate skin{102, WS_POPUP | WS_VISIBLE | WS_BORDER | DS_SETFONT, WS_EX_APPWINDOW, 445, 352, "",
                                  "굴림", 9, {}};
    CDialog dlg(skin);
    ASSERT_TRUE(dlg.CreateIndirect(skin));
    ASSERT_TRUE(uitest::ShowAndActivate(&dlg));
    CRect client;
    CRect window;
    dlg.GetClientRect(&client);
    dlg.GetWindowRect(&window);
    EXPECT_EQ(client, CRect(0, 0, 778, 528));
    EXPECT_EQ(window.Width(), 780);
    EXPECT_EQ(window.Height(), 530);
    EXPECT_EQ(uitest::PixelColor(&dlg, 5, 5), RGB(255, 255, 255)) << "a dialog without paint handlers is white";
    const std::string path = ::testing::TempDir() + "frameless.png";
    ASSERT_TRUE(SaveWindowImage(&dlg, path));
}

} // namespace
