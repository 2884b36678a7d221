// Message maps, Default, SendMessage and PostMessage on real windows of the layer.

#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <thread>
#include <vector>

std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

constexpr UINT WM_APP_RECORD = WM_APP + 1;
constexpr UINT WM_APP_BASEONLY = WM_APP + 2;

// A base window class and a derived one that overrides some of its entries.
class CBaseWnd : public CWnd {
public:
    std::vector<std::string> log;

    afx_msg LRESULT OnRecord(WPARAM w, LPARAM)
    {
        log.push_back("base record " + std::to_string(w));
        return 1;
    }
    afx_msg LRESULT OnBaseOnly(WPARAM, LPARAM)
    {
        log.push_back("base only");
        return 2;
    }
    afx_msg void OnCommand7() { log.push_back("base command 7"); }
    afx_msg void OnLButtonDown(UINT, CPoint point)
    {
        log.push_back("base down " + std::to_string(point.x) + "," + std::to_string(point.y));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_MESSAGE(WM_APP_RECORD, &CBaseWnd::OnRecord)
    ON_MESSAGE(WM_APP_BASEONLY, &CBaseWnd::OnBaseOnly)
    ON_COMMAND(7, &CBaseWnd::OnCommand7)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
public:
    int created = 0;
    int destroyed = 0;
    int shown = -1;

    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        ++created;
        log.push_back(std::string("create ") + (cs && cs->lpszName ? cs->lpszName : ""));
        return CBaseWnd::OnCreate(cs);
    }
    afx_msg void OnDestroy() { ++destroyed; }
    std::thread::id handlerThread;

    afx_msg LRESULT OnRecordDerived(WPARAM w, LPARAM)
    {
        handlerThread = std::this_thread::get_id();
        log.push_back("derived record " + std::to_string(w));
        return 10;
    }
    afx_msg void OnShowWindow(BOOL bShow, UINT) { shown = bShow; }
    afx_msg void OnClicked3() { log.push_back("clicked 3"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_APP_RECORD, &CDerivedWnd::OnRecordDerived)
    ON_WM_SHOWWINDOW()
    ON_BN_CLICKED(3, &CDerivedWnd::OnClicked3)
END_MESSAGE_MAP()

// Refuses its creation.
class CRefusingWnd : public CWnd {
public:
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRefusingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// Deletes itself when its window is gone, as the program's pages do.
class CSelfDeletingWnd : public CWnd {
public:
    explicit CSelfDeletingWnd(bool* deleted) : m_deleted(deleted) {}
    ~CSelfDeletingWnd() override { *m_deleted = true; }
    void PostNcDestroy() override { delete this; }

private:
    bool* m_deleted;
};

CRect Rect(int x, int y, int w, int h) { return CRect(x, y, x + w, y + h); }

TEST(WindowMessage, HandlersAreFoundInTheMostDerivedClassFirstThenInItsBases)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "probe", WS_POPUP, Rect(0, 0, 100, 80), nullptr, 0));
    EXPECT_EQ(wnd.created, 1);

    EXPECT_EQ(wnd.SendMessage(WM_APP_RECORD, 5), 10);  // the derived entry wins
    EXPECT_EQ(wnd.SendMessage(WM_APP_BASEONLY), 2);    // the base entry serves what the derived map lacks
    EXPECT_EQ(wnd.SendMessage(WM_APP + 99), 0);        // no entry: the default, which answers 0
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(7, 0));     // a command from the base map
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(3, BN_CLICKED));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(3, CBN_SELCHANGE)); // another code from id 3: no entry
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-4, 17)); // signed coordinates

    const std::vector<std::string> expected{"create probe",   "derived record 5", "base only",
                                            "base command 7", "clicked 3",        "base down -4,17"};
    EXPECT_EQ(wnd.log, expected);
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.destroyed, 1);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST(WindowMessage, CreationAnsweringMinusOneFailsAndLeavesNoWindow)
{
    CRefusingWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, nullptr, WS_POPUP, Rect(0, 0, 10, 10), nullptr, 0));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST(WindowMessage, ShowWindowSendsShowWindowOnlyWhenTheVisibilityChanges)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, nullptr, WS_POPUP, Rect(0, 0, 50, 50), nullptr, 0));
    EXPECT_EQ(wnd.shown, -1);
    EXPECT_FALSE(wnd.ShowWindow(SW_SHOW)); // was hidden
    EXPECT_EQ(wnd.shown, TRUE);
    wnd.shown = -1;
    EXPECT_TRUE(wnd.ShowWindow(SW_SHOW)); // already visible: no message
    EXPECT_EQ(wnd.shown, -1);
    EXPECT_TRUE(wnd.ShowWindow(SW_HIDE));
    EXPECT_EQ(wnd.shown, FALSE);
    EXPECT_FALSE(wnd.IsWindowVisible());
}

TEST(WindowMessage, PostedMessagesArriveLaterAndInOrder)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, nullptr, WS_POPUP, Rect(0, 0, 50, 50), nullptr, 0));
    wnd.log.clear();
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(wnd.PostMessage(WM_APP_RECORD, static_cast<WPARAM>(i)));
    }
    EXPECT_TRUE(wnd.log.empty()); // nothing arrives before the event loop runs
    ASSERT_TRUE(uitest::WaitUntil([&] { return wnd.log.size() == 5; }));
    const std::vector<std::string> expected{"derived record 0", "derived record 1", "derived record 2",
                                            "derived record 3", "derived record 4"};
    EXPECT_EQ(wnd.log, expected);
}

TEST(WindowMessage, MessagesPostedFromAnotherThreadArriveOnTheWindowsThreadInOrder)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, nullptr, WS_POPUP, Rect(0, 0, 50, 50), nullptr, 0));
    wnd.log.clear();
    const HWND target = wnd.m_hWnd;
    std::thread worker([target] {
        for (int i = 0; i < 100; ++i) {
            ::PostMessage(target, WM_APP_RECORD, static_cast<WPARAM>(i), 0);
        }
    });
    worker.join();
    ASSERT_TRUE(uitest::WaitUntil([&] { return wnd.log.size() == 100; }));
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(wnd.log[static_cast<size_t>(i)], "derived record " + std::to_string(i));
    }
    EXPECT_EQ(wnd.handlerThread, std::this_thread::get_id());
}

TEST(WindowMessage, AMessagePostedToAWindowThatIsGoneIsDropped)
{
    bool deleted = false;
    auto* wnd = new CSelfDeletingWnd(&deleted);
    ASSERT_TRUE(wnd->CreateEx(0, nullptr, nullptr, WS_POPUP, Rect(0, 0, 50, 50), nullptr, 0));
    const HWND stale = wnd->m_hWnd;
    EXPECT_TRUE(::PostMessage(stale, WM_CLOSE, 0, 0)); // queued while the window exists
    wnd->DestroyWindow();                              // PostNcDestroy deletes the object
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(IsWindow(stale));

    // A newer window never receives what was meant for the old handle.
    CDerivedWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, nullptr, WS_POPUP, Rect(0, 0, 50, 50), nullptr, 0));
    EXPECT_NE(other.m_hWnd, stale);
    uitest::ProcessEvents();
    uitest::ProcessEvents();
    EXPECT_TRUE(IsWindow(other.m_hWnd));
    EXPECT_EQ(other.destroyed, 0);
}

TEST(WindowMessage, WorkForLaterWaitsForTheFirstFrameThenArrivesInOrderAndNeverAtAWindowThatIsGone)
{
    CDerivedWnd shown;
    CDerivedWnd gone;
    ASSERT_TRUE(shown.CreateEx(0, nullptr, nullptr, WS_POPUP, Rect(0, 0, 50, 50), nullptr, 0));
    ASSERT_TRUE(gone.CreateEx(0, nullptr, nullptr, WS_POPUP, Rect(60, 0, 110, 50), nullptr, 0));
    shown.log.clear();
    SendMessageAfterFirstFrame(shown.m_hWnd, WM_APP_RECORD);
    SendMessageAfterFirstFrame(gone.m_hWnd, WM_APP_RECORD);
    SendMessageAfterFirstFrame(shown.m_hWnd, WM_APP_BASEONLY);
    gone.DestroyWindow();
    for (int i = 0; i < 5; ++i) {
        uitest::ProcessEvents();
    }
    EXPECT_TRUE(shown.log.empty()); // no window has been on the screen yet

    ASSERT_TRUE(uitest::ShowAndActivate(&shown));
    ASSERT_TRUE(uitest::WaitUntil([&] { return shown.log.size() == 2; }));
    EXPECT_EQ(shown.log, (std::vector<std::string>{"derived record 0", "base only"}));

    // Once the first frame is there, what is asked for arrives from the event loop's next turn.
    SendMessageAfterFirstFrame(shown.m_hWnd, WM_APP_RECORD);
    EXPECT_EQ(shown.log.size(), 2u);
    ASSERT_TRUE(uitest::WaitUntil([&] { return shown.log.size() == 3; }));
    uitest::ProcessEvents();
    EXPECT_EQ(shown.log.size(), 3u);
}

TEST(WindowMessage, DestroyingAParentDestroysItsChildrenFirstAndDeletesSelfDeletingObjects)
{
    CDerivedWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, nullptr, WS_POPUP, Rect(0, 0, 200, 200), nullptr, 0));
    bool childDeleted = false;
    auto* child = new CSelfDeletingWnd(&childDeleted);
    ASSERT_TRUE(child->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, Rect(10, 10, 50, 50), &parent, 42));
    EXPECT_EQ(parent.GetDlgItem(42), child);
    EXPECT_EQ(child->GetParent(), &parent);
    EXPECT_TRUE(parent.IsChild(child));
    EXPECT_EQ(child->GetDlgCtrlID(), 42);
    parent.DestroyWindow();
    EXPECT_TRUE(childDeleted);
    EXPECT_EQ(parent.destroyed, 1);
}

TEST(WindowMessage, AChildNeedsAParent)
{
    CWnd wnd;
    EXPECT_FALSE(wnd.Create(nullptr, nullptr, WS_CHILD, Rect(0, 0, 10, 10), nullptr, 1));
}

TEST(WindowMessage, PlacementAndClientRectangle)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, nullptr, WS_POPUP | WS_BORDER, Rect(100, 100, 300, 200), nullptr, 0));
    CRect client;
    parent.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 298, 198)); // the frame line takes one pixel on each side

    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD, Rect(5, 6, 40, 30), &parent, 9));
    child.SetWindowPos(&CWnd::wndTop, 0, 0, 55, 20, SWP_NOMOVE | SWP_SHOWWINDOW);
    child.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 55, 20));
    CRect screen;
    child.GetWindowRect(&screen);
    CPoint origin(0, 0);
    parent.ClientToScreen(&origin);
    EXPECT_EQ(screen.TopLeft(), origin + CSize(5, 6)); // SWP_NOMOVE kept the place
    EXPECT_TRUE(child.GetStyle() & WS_VISIBLE);        // SWP_SHOWWINDOW showed it
    child.MoveWindow(7, 8, 10, 11);
    child.GetWindowRect(&screen);
    EXPECT_EQ(screen, CRect(origin.x + 7, origin.y + 8, origin.x + 17, origin.y + 19));
}

TEST(WindowMessage, WindowTextIsUtf8)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, nullptr, WS_POPUP, Rect(0, 0, 10, 10), nullptr, 0));
    wnd.SetWindowText("칼로리 계산기");
    EXPECT_EQ(wnd.GetWindowText(), "칼로리 계산기");
    char buffer[8];
    EXPECT_EQ(wnd.GetWindowText(buffer, sizeof buffer), 7); // truncated, with its terminating zero
    EXPECT_EQ(std::string(buffer), std::string("칼로리 계산기").substr(0, 7));
}

TEST(WindowMessage, TheSystemMenuHasTheStandardEntriesAndWhatTheProgramAppends)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, nullptr, WS_POPUP, Rect(0, 0, 200, 100), nullptr, 0));
    CMenu* menu = wnd.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu, wnd.GetSystemMenu(FALSE));
    const int standard = menu->GetMenuItemCount();
    EXPECT_TRUE(menu->AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(menu->AppendMenu(MF_STRING, 0x0010, "정보(&A)..."));
    EXPECT_EQ(menu->GetMenuItemCount(), standard + 2);
    EXPECT_EQ(menu->GetMenuItemID(standard + 1), 0x0010u);
    EXPECT_EQ(menu->GetMenuString(0x0010, MF_BYCOMMAND), "정보(&A)...");
    EXPECT_EQ(menu->GetMenuString(SC_CLOSE, MF_BYCOMMAND), "닫기(&C)\tAlt+F4");
    EXPECT_EQ(wnd.GetSystemMenu(TRUE), nullptr); // reverted
    EXPECT_EQ(wnd.GetSystemMenu(FALSE)->GetMenuItemCount(), standard);
}

TEST(WindowMessage, MenuStatesTellSeparatorsAndGrayedEntriesByPositionOrCommand)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 1, "열기");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_GRAYED, 2, "닫기");
    EXPECT_EQ(menu.GetMenuState(1, MF_BYCOMMAND), MF_STRING);
    EXPECT_EQ(menu.GetMenuState(1, MF_BYPOSITION), MF_SEPARATOR);
    EXPECT_EQ(menu.GetMenuState(2, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(menu.GetMenuString(2, MF_BYPOSITION), "닫기");
    EXPECT_EQ(menu.GetMenuState(3, MF_BYPOSITION), static_cast<UINT>(-1));
    EXPECT_EQ(menu.GetMenuState(7, MF_BYCOMMAND), static_cast<UINT>(-1));
}

} // namespace
