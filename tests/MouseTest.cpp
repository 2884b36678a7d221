// The pointer: hover and leave notifications, the cursor, and a drag or a flick of the whole window.

#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace {

enum : int { kLeft = 1, kRight = 2 };

constexpr DWORD kOwnerDraw = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr std::array kControls{
    DialogControl{kLeft, "Button", kOwnerDraw, 0, 10, 10, 30, 14, "A"},
    DialogControl{kRight, "Button", kOwnerDraw, 0, 40, 10, 30, 14, "B"}, // touches kLeft
};
constexpr DialogTemplate kTemplate{5, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 150, 80, "", "굴림", 9, kControls};

// Asks for one hover and one leave on its first move, as the program's buttons do.
class CTrackedButton : public CButton {
public:
    std::vector<std::string> log;
    BOOL tracking = FALSE;

    afx_msg void OnMouseMove(UINT nFlags, CPoint point)
    {
        if (!tracking) {
            TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, m_hWnd, 1};
            tracking = _TrackMouseEvent(&request);
        }
        CButton::OnMouseMove(nFlags, point);
    }
    afx_msg void OnMouseHover(UINT, CPoint) { log.push_back("hover"); }
    afx_msg void OnMouseLeave()
    {
        tracking = FALSE;
        log.push_back("leave");
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTrackedButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

// Shows the hand cursor over its left half and drags the window from anywhere else.
class CPointerDlg : public CDialog {
public:
    CPointerDlg() : CDialog(kTemplate) {}
    CTrackedButton m_left;
    CTrackedButton m_right;
    HCURSOR savedCursor = nullptr;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, kLeft, m_left);
        DDX_Control(pDX, kRight, m_right);
    }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point)
    {
        if (point.y > 60 && point.x < 130) {
            if (!savedCursor) {
                savedCursor = GetCursor();
            }
            SetCursor(AfxGetApp() ? AfxGetApp()->LoadStandardCursor(IDC_HAND) : LoadCursor(nullptr, IDC_HAND));
        }
        CDialog::OnMouseMove(nFlags, point);
    }
    afx_msg void OnLButtonDown(UINT, CPoint point)
    {
        PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPointerDlg, CDialog)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class Pointer : public ::testing::Test {
protected:
    CPointerDlg m_dlg;
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.CreateIndirect(kTemplate));
        ASSERT_TRUE(uitest::ShowAndActivate(&m_dlg));
        ASSERT_TRUE(uitest::MoveTo(&m_dlg, CPoint(200, 100))); // start away from the buttons
    }
};

TEST_F(Pointer, OneHoverAfterThePointerRestsAndOneLeaveWhenItGoes)
{
    ASSERT_TRUE(uitest::MoveOnto(&m_dlg, kLeft));
    ASSERT_TRUE(uitest::WaitUntil([&] { return !m_dlg.m_left.log.empty(); }));
    EXPECT_EQ(m_dlg.m_left.log, std::vector<std::string>{"hover"});
    // Resting longer or moving inside gives no second hover: one per request.
    const CRect r = uitest::ControlRect(&m_dlg, kLeft);
    ASSERT_TRUE(uitest::MoveTo(&m_dlg, CPoint(r.left + 2, r.top + 2)));
    uitest::ProcessEvents();
    EXPECT_EQ(m_dlg.m_left.log, std::vector<std::string>{"hover"});

    ASSERT_TRUE(uitest::MoveAway(&m_dlg, kLeft));
    ASSERT_TRUE(uitest::WaitUntil([&] { return m_dlg.m_left.log.size() == 2; }));
    EXPECT_EQ(m_dlg.m_left.log, (std::vector<std::string>{"hover", "leave"}));

    // The next visit asks again.
    ASSERT_TRUE(uitest::MoveOnto(&m_dlg, kLeft));
    ASSERT_TRUE(uitest::WaitUntil([&] { return m_dlg.m_left.log.size() == 3; }));
    EXPECT_EQ(m_dlg.m_left.log.back(), "hover");
}

TEST_F(Pointer, MovingStraightOntoANeighbourLeavesOneAndHoversTheOther)
{
    ASSERT_TRUE(uitest::MoveOnto(&m_dlg, kLeft));
    ASSERT_TRUE(uitest::WaitUntil([&] { return m_dlg.m_left.log.size() == 1; }));
    ASSERT_TRUE(uitest::MoveOnto(&m_dlg, kRight));
    ASSERT_TRUE(uitest::WaitUntil([&] { return m_dlg.m_right.log.size() == 1 && m_dlg.m_left.log.size() == 2; }));
    EXPECT_EQ(m_dlg.m_left.log, (std::vector<std::string>{"hover", "leave"}));
    EXPECT_EQ(m_dlg.m_right.log, std::vector<std::string>{"hover"});
}

TEST(PointerInANewWindow, TheFirstMoveStraightOntoAButtonStillHovers)
{
    // No move over the window before: the button's first move may come before the platform
    // has marked the pointer as inside it.
    CPointerDlg dlg;
    ASSERT_TRUE(dlg.CreateIndirect(kTemplate));
    ASSERT_TRUE(uitest::ShowAndActivate(&dlg));
    ASSERT_TRUE(uitest::MoveOnto(&dlg, kLeft));
    ASSERT_TRUE(uitest::WaitUntil([&] { return !dlg.m_left.log.empty(); }));
    EXPECT_EQ(dlg.m_left.log, std::vector<std::string>{"hover"});
}

TEST_F(Pointer, ALeaveRequestedAwayFromTheWindowArrivesAtOnce)
{
    TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, m_dlg.m_left.m_hWnd, 1};
    m_dlg.m_left.tracking = _TrackMouseEvent(&request);
    EXPECT_TRUE(m_dlg.m_left.tracking);
    ASSERT_TRUE(uitest::WaitUntil([&] { return !m_dlg.m_left.log.empty(); }));
    EXPECT_EQ(m_dlg.m_left.log, std::vector<std::string>{"leave"});
    TRACKMOUSEEVENT stale{sizeof(TRACKMOUSEEVENT), TME_LEAVE, reinterpret_cast<HWND>(8), 1};
    EXPECT_FALSE(_TrackMouseEvent(&stale));
}

TEST_F(Pointer, TheWindowsCursorComesBackOnTheNextMoveAndSetCursorAnswersThePrevious)
{
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    const HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
    ASSERT_NE(hand, nullptr);
    EXPECT_NE(hand, arrow);
    EXPECT_EQ(LoadCursor(nullptr, IDC_HAND), hand) << "a standard cursor is loaded once";
    ASSERT_TRUE(uitest::MoveTo(&m_dlg, CPoint(20, 100)));
    EXPECT_EQ(GetCursor(), hand);
    EXPECT_EQ(m_dlg.savedCursor, arrow) << "the window's own cursor was current before";
    ASSERT_TRUE(uitest::MoveTo(&m_dlg, CPoint(200, 20)));
    EXPECT_EQ(GetCursor(), arrow);
    EXPECT_EQ(SetCursor(hand), arrow);
    EXPECT_EQ(SetCursor(arrow), hand);
}

TEST_F(Pointer, APressOnTheWindowDragsTheWholeWindow)
{
    CRect before;
    m_dlg.GetWindowRect(&before);
    ASSERT_TRUE(uitest::Drag(&m_dlg, CPoint(200, 100), CPoint(240, 130)));
    uitest::ProcessEvents();
    CRect after;
    m_dlg.GetWindowRect(&after);
    EXPECT_EQ(after.TopLeft(), before.TopLeft() + CSize(40, 30));
    EXPECT_EQ(after.Size(), before.Size());
}

// A flick: press, move and release before the window has answered the press with its move, at every
// point where the answer can come. The window moves by the whole displacement, exactly once.
TEST_F(Pointer, AFlickMovesTheWindowByItsWholeDisplacementWhenTheAnswerComes)
{
    const std::pair<uitest::FlickAnswer, const char*> answers[] = {{uitest::FlickAnswer::AfterPress, "after the press"},
                                                                   {uitest::FlickAnswer::AfterMove, "after the move"},
                                                                   {uitest::FlickAnswer::AfterRelease, "after the release"}};
    for (const auto& [answer, name] : answers) {
        SCOPED_TRACE(name);
        CRect before;
        m_dlg.GetWindowRect(&before);
        ASSERT_TRUE(uitest::Flick(&m_dlg, CPoint(200, 100), CPoint(240, 130), answer));
        CRect after;
        m_dlg.GetWindowRect(&after);
        EXPECT_EQ(after.TopLeft(), before.TopLeft() + CSize(40, 30));
        // The button is up: the window stays where it is when the pointer moves on.
        ASSERT_TRUE(uitest::MoveTo(&m_dlg, CPoint(100, 70)));
        CRect later;
        m_dlg.GetWindowRect(&later);
        EXPECT_EQ(later.TopLeft(), after.TopLeft());
    }
}

TEST_F(Pointer, AClickOnTheWindowMovesItNowhere)
{
    CRect before;
    m_dlg.GetWindowRect(&before);
    ASSERT_TRUE(uitest::ClickAt(&m_dlg, CPoint(200, 100)));
    uitest::ProcessEvents();
    ASSERT_TRUE(uitest::MoveTo(&m_dlg, CPoint(120, 60)));
    CRect after;
    m_dlg.GetWindowRect(&after);
    EXPECT_EQ(after.TopLeft(), before.TopLeft());
}

TEST(SystemMetrics, IconsAndScrollBarsHaveTheClassicSizes)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CYICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
}

} // namespace
