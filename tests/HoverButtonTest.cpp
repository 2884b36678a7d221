// Hover buttons as a person meets them: the normal frame at rest, the hover frame once the pointer
// rests on the button, the pressed frame while it is held (even while hovered), the normal frame again
// when the pointer leaves, also when it moves straight onto a neighbour.

#include "SkinTestWindow.h"

#include "platform/testing/TestDriver.h"
#include "res/Resource.h"
#include "ui/HoverButton.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr int kOk = 1001;
constexpr int kNeighbour = 1002;
constexpr int kNoBitmap = 1003;
constexpr int kMinimize = 1004;
constexpr COLORREF kBackground = RGB(10, 20, 30);

constexpr DWORD kOwnerDraw = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr std::array kControls{
    DialogControl{kOk, "Button", kOwnerDraw, 0, 5, 5, 19, 14, "OK"},
    DialogControl{kNeighbour, "Button", kOwnerDraw, 0, 24, 5, 19, 14, "OK"},
    DialogControl{kNoBitmap, "Button", kOwnerDraw, 0, 5, 35, 19, 14, "X"},
    DialogControl{kMinimize, "Button", kOwnerDraw, 0, 60, 35, 8, 9, "_"},
};

struct Placement {
    int id;
    CPoint origin;
    CSize size;
};
constexpr std::array kPlacements{
    Placement{kOk, {10, 10}, {33, 20}},
    Placement{kNeighbour, {43, 10}, {33, 20}}, // touching kOk's right edge
    Placement{kNoBitmap, {10, 50}, {33, 20}},
    Placement{kMinimize, {100, 50}, {13, 13}},
};

class HoverButtonTest : public ::testing::Test {
protected:
    const DialogTemplate m_template = SkinTestTemplate(120, 80, kControls);
    CSkinTestWindow m_window{m_template};
    CHoverButton m_ok, m_neighbour, m_noBitmap, m_minimize;
    FrameProbe m_okProbe = FindFrameProbe(IDB_BTN_OK);
    FrameProbe m_minimizeProbe = FindFrameProbe(IDB_BTN_MINIMIZE);

    void SetUp() override
    {
        ASSERT_GE(m_okProbe.point.x, 0) << "the OK strip has a point where its three frames differ";
        ASSERT_GE(m_minimizeProbe.point.x, 0);
        // Before the windows exist the ids are only stored.
        m_ok.SetBitmapId(IDB_BTN_OK);
        m_neighbour.SetBitmapId(IDB_BTN_OK);
        m_minimize.SetBitmapId(IDB_BTN_MINIMIZE);
        m_window.background = kBackground;
        m_window.bindings = {{kOk, &m_ok}, {kNeighbour, &m_neighbour}, {kNoBitmap, &m_noBitmap},
                             {kMinimize, &m_minimize}};
        ASSERT_TRUE(m_window.Open());
        for (const Placement& p : kPlacements) {
            m_window.Place(p.id, p.origin.x, p.origin.y, p.size.cx, p.size.cy);
        }
        ASSERT_TRUE(m_window.MovePointerIn(CPoint(160, 100)));
        uitest::ProcessEvents();
    }

    static CPoint Origin(int id)
    {
        for (const Placement& p : kPlacements) {
            if (p.id == id) {
                return p.origin;
            }
        }
        return {};
    }
    COLORREF ProbePixel(int id, const FrameProbe& probe)
    {
        const CPoint at = Origin(id) + probe.point;
        return uitest::PixelColor(&m_window, at.x, at.y);
    }
    // Waits until the button shows `colour` at the probe point.
    bool Shows(int id, const FrameProbe& probe, COLORREF colour)
    {
        return uitest::WaitUntil([&] { return ProbePixel(id, probe) == colour; });
    }
};

TEST_F(HoverButtonTest, AtRestEachButtonShowsItsNormalFrame)
{
    EXPECT_EQ(ProbePixel(kOk, m_okProbe), m_okProbe.normal);
    EXPECT_EQ(ProbePixel(kNeighbour, m_okProbe), m_okProbe.normal);
    EXPECT_EQ(ProbePixel(kMinimize, m_minimizeProbe), m_minimizeProbe.normal);
    // The whole frame, corner to corner, and nothing of the next frame beyond the button.
    EXPECT_EQ(uitest::PixelColor(&m_window, 10, 10), ResourcePixel(IDB_BTN_OK, 0, 0));
    EXPECT_EQ(uitest::PixelColor(&m_window, 42, 29), ResourcePixel(IDB_BTN_OK, 32, 19));
    EXPECT_EQ(uitest::PixelColor(&m_window, 112, 62), ResourcePixel(IDB_BTN_MINIMIZE, 12, 12));
    EXPECT_EQ(uitest::PixelColor(&m_window, 113, 55), kBackground);
}

TEST_F(HoverButtonTest, RestingOnAButtonShowsTheHoverFrame)
{
    ASSERT_TRUE(uitest::MoveOnto(&m_window, kOk));
    EXPECT_TRUE(Shows(kOk, m_okProbe, m_okProbe.hover));
    ASSERT_TRUE(uitest::MoveOnto(&m_window, kMinimize));
    EXPECT_TRUE(Shows(kMinimize, m_minimizeProbe, m_minimizeProbe.hover));
}

TEST_F(HoverButtonTest, PressingWinsOverHoverAndReleasingReturnsToHover)
{
    ASSERT_TRUE(uitest::MoveOnto(&m_window, kOk));
    ASSERT_TRUE(Shows(kOk, m_okProbe, m_okProbe.hover));
    ASSERT_TRUE(uitest::Press(&m_window, kOk));
    EXPECT_TRUE(Shows(kOk, m_okProbe, m_okProbe.pressed));
    ASSERT_TRUE(uitest::Release(&m_window, kOk));
    EXPECT_TRUE(Shows(kOk, m_okProbe, m_okProbe.hover));
}

TEST_F(HoverButtonTest, LeavingClearsTheHighlight)
{
    ASSERT_TRUE(uitest::MoveOnto(&m_window, kOk));
    ASSERT_TRUE(Shows(kOk, m_okProbe, m_okProbe.hover));
    ASSERT_TRUE(uitest::MoveAway(&m_window, kOk));
    EXPECT_TRUE(Shows(kOk, m_okProbe, m_okProbe.normal));
    // Tracking starts again on the next visit.
    ASSERT_TRUE(uitest::MoveOnto(&m_window, kOk));
    EXPECT_TRUE(Shows(kOk, m_okProbe, m_okProbe.hover));
}

TEST_F(HoverButtonTest, MovingStraightOntoANeighbourMovesTheHighlight)
{
    ASSERT_TRUE(uitest::MoveOnto(&m_window, kOk));
    ASSERT_TRUE(Shows(kOk, m_okProbe, m_okProbe.hover));
    ASSERT_TRUE(uitest::MoveOnto(&m_window, kNeighbour));
    EXPECT_TRUE(Shows(kNeighbour, m_okProbe, m_okProbe.hover));
    EXPECT_TRUE(Shows(kOk, m_okProbe, m_okProbe.normal));
}

TEST_F(HoverButtonTest, WithoutABitmapTheButtonPaintsNothingOfItsOwn)
{
    for (CPoint p : {CPoint(10, 50), CPoint(26, 60), CPoint(42, 69)}) {
        EXPECT_EQ(uitest::PixelColor(&m_window, p.x, p.y), kBackground) << p.x << ", " << p.y;
    }
    ASSERT_TRUE(uitest::MoveOnto(&m_window, kNoBitmap));
    uitest::ProcessEvents();
    EXPECT_EQ(uitest::PixelColor(&m_window, 12, 52), kBackground);
}

TEST_F(HoverButtonTest, ChangingTheBitmapRepaintsAtOnce)
{
    m_noBitmap.SetBitmapId(IDB_BTN_OK);
    EXPECT_EQ(ProbePixel(kNoBitmap, m_okProbe), m_okProbe.normal);
    m_noBitmap.SetBitmapId(0);
    EXPECT_EQ(ProbePixel(kNoBitmap, m_okProbe), kBackground);
    m_noBitmap.SetBitmapId(135); // an id that names no picture
    EXPECT_EQ(ProbePixel(kNoBitmap, m_okProbe), kBackground);
}

} // namespace
