// The skin drawing toolkit on real windows: the off-screen paint context, page bands, the skin font,
// bitmap resources drawn where they belong, and the suppressed background erase.

#include "SkinTestWindow.h"

#include "platform/testing/TestDriver.h"
#include "res/Resource.h"
#include "ui/BufferedPaintDC.h"
#include "ui/SkinColors.h"
#include "ui/SkinDraw.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// 120 × 80 dialog units: 210 × 120 pixels.
class SkinDrawTest : public ::testing::Test {
protected:
    const DialogTemplate m_template = SkinTestTemplate(120, 80);
    CSkinTestWindow m_window{m_template};

    void SetUp() override { ASSERT_TRUE(m_window.Open()); }
    COLORREF Pixel(int x, int y) { return uitest::PixelColor(&m_window, x, y); }
};

// ---- CBufferedPaintDC ----------------------------------------------------------------------------

TEST_F(SkinDrawTest, OnlyTheInvalidRectangleReachesTheScreenAtItsOwnPlace)
{
    m_window.background = kRed;
    m_window.Repaint();
    ASSERT_EQ(Pixel(100, 60), kRed);

    // The handler now paints blue with a green square; only (20, 20)–(60, 50) is to be painted.
    m_window.background = kBlue;
    m_window.paint = [](CDC& dc, const CRect&) { dc.FillSolidRect(24, 24, 6, 6, kGreen); };
    const CRect invalid(20, 20, 60, 50);
    m_window.InvalidateRect(&invalid, FALSE);
    m_window.UpdateWindow();

    EXPECT_EQ(Pixel(21, 21), kBlue);
    EXPECT_EQ(Pixel(59, 49), kBlue);
    EXPECT_EQ(Pixel(26, 26), kGreen) << "the square is copied to the place where it was drawn";
    EXPECT_EQ(Pixel(46, 46), kBlue) << "copied from the memory bitmap's own origin instead of its place";
    for (CPoint outside : {CPoint(19, 30), CPoint(60, 30), CPoint(30, 19), CPoint(30, 50), CPoint(5, 5),
                           CPoint(200, 110), CPoint(12, 26)}) {
        EXPECT_EQ(Pixel(outside.x, outside.y), kRed) << outside.x << ", " << outside.y;
    }
}

TEST_F(SkinDrawTest, TheHandlerDrawsTheWholeClientAreaIntoAClientSizedBitmap)
{
    // While only a small rectangle is painted, keep a copy of the whole off-screen picture.
    CDC copyDC;
    CBitmap copy;
    ASSERT_TRUE(copyDC.CreateCompatibleDC(nullptr));
    ASSERT_TRUE(copy.CreateBitmap(210, 120, 1, 32, nullptr));
    CBitmap* oldCopy = copyDC.SelectObject(&copy);
    BITMAP memoryBitmap{};
    CDrawRecorder recorder;
    m_window.background = kBlue;
    m_window.paint = [&](CDC& dc, const CRect& client) {
        dc.FillSolidRect(150, 90, 10, 10, kGreen);
        dc.TextOut(160, 100, "끝");
        if (CBitmap* target = dc.GetCurrentBitmap()) {
            target->GetBitmap(&memoryBitmap);
        }
        copyDC.BitBlt(0, 0, client.Width(), client.Height(), &dc, 0, 0, SRCCOPY);
    };
    const CRect invalid(0, 0, 10, 10);
    m_window.InvalidateRect(&invalid, FALSE);
    m_window.UpdateWindow();

    EXPECT_EQ(memoryBitmap.bmWidth, 210);
    EXPECT_EQ(memoryBitmap.bmHeight, 120);
    const DrawnText* text = recorder.FindLast("끝");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->x, 160);
    EXPECT_EQ(text->y, 100);
    EXPECT_EQ(text->window, m_window.GetSafeHwnd()) << "drawing on the context is drawing on this window";

    // Show the copy on the whole window: it holds everything drawn, far outside the small rectangle.
    m_window.background = kWhite;
    m_window.paint = [&](CDC& dc, const CRect& client) {
        dc.BitBlt(0, 0, client.Width(), client.Height(), &copyDC, 0, 0, SRCCOPY);
    };
    m_window.Repaint();
    EXPECT_EQ(Pixel(2, 2), kBlue);
    EXPECT_EQ(Pixel(209, 119), kBlue);
    EXPECT_EQ(Pixel(155, 95), kGreen);
    copyDC.SelectObject(oldCopy);
}

// ---- Erase suppression ---------------------------------------------------------------------------

TEST_F(SkinDrawTest, SuppressedEraseAnswersZeroAndDrawsNothing)
{
    CDC canvasDC;
    CBitmap canvas;
    ASSERT_TRUE(canvasDC.CreateCompatibleDC(nullptr));
    ASSERT_TRUE(canvas.CreateBitmap(210, 120, 1, 32, nullptr));
    CBitmap* oldCanvas = canvasDC.SelectObject(&canvas);
    canvasDC.FillSolidRect(0, 0, 210, 120, kRed);

    EXPECT_EQ(m_window.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvasDC.GetSafeHdc())), 0);

    m_window.paint = [&](CDC& dc, const CRect& client) {
        dc.BitBlt(0, 0, client.Width(), client.Height(), &canvasDC, 0, 0, SRCCOPY);
    };
    m_window.Repaint();
    EXPECT_EQ(Pixel(1, 1), kRed);
    EXPECT_EQ(Pixel(105, 60), kRed);
    EXPECT_EQ(Pixel(208, 118), kRed);
    canvasDC.SelectObject(oldCanvas);
}

// ---- DrawPageBands -------------------------------------------------------------------------------

struct BandCase {
    const char* name;
    int firstBand;
    int bandCount;
    int yOffset;
    std::vector<std::pair<int, COLORREF>> samples; // y → colour, at the left and right edges
};

const BandCase kBandCases[] = {
    {"a page: band 0 even, band 1 odd", 0, 3, 0,
     {{0, kBandColorEven}, {31, kBandColorEven}, {32, kBandColorOdd}, {63, kBandColorOdd}, {64, kBandColorEven},
      {95, kBandColorEven}, {96, kWhite}}},
    {"a list starting at band 1 begins odd", 1, 2, 32,
     {{0, kBandColorOdd}, {31, kBandColorOdd}, {32, kBandColorEven}, {63, kBandColorEven}, {64, kWhite}}},
    {"band 1 without offset leaves band 0's place alone", 1, 2, 0,
     {{0, kWhite}, {31, kWhite}, {32, kBandColorOdd}, {64, kBandColorEven}, {96, kWhite}}},
    {"a scrolled page shifts the bands up", 0, 4, 10,
     {{0, kBandColorEven}, {21, kBandColorEven}, {22, kBandColorOdd}, {53, kBandColorOdd}, {54, kBandColorEven},
      {86, kBandColorOdd}, {117, kBandColorOdd}, {118, kWhite}}},
    {"bands past the bottom are harmless", 0, 1000, 0,
     {{0, kBandColorEven}, {64, kBandColorEven}, {100, kBandColorOdd}, {119, kBandColorOdd}}},
    {"no bands", 0, 0, 0, {{0, kWhite}, {40, kWhite}}},
    {"a negative count draws nothing", 0, -5, 0, {{0, kWhite}, {40, kWhite}}},
    {"a negative offset moves the bands down", 0, 1, -20, {{0, kWhite}, {19, kWhite}, {20, kBandColorEven},
                                                            {51, kBandColorEven}, {52, kWhite}}},
    {"the largest count and offset do not overflow", 0, INT_MAX, INT_MAX,
     {{0, kBandColorOdd}, {1, kBandColorEven}, {32, kBandColorEven}, {33, kBandColorOdd}}},
};

TEST_F(SkinDrawTest, BandsHaveTheirColoursAndPlaces)
{
    for (const BandCase& c : kBandCases) {
        m_window.paint = [&](CDC& dc, const CRect& client) {
            DrawPageBands(dc, client, c.firstBand, c.bandCount, c.yOffset);
        };
        m_window.Repaint();
        for (auto [y, colour] : c.samples) {
            EXPECT_EQ(Pixel(0, y), colour) << c.name << ", y " << y << ", left";
            EXPECT_EQ(Pixel(209, y), colour) << c.name << ", y " << y << ", right";
        }
    }
}

// ---- CreateSkinFont ------------------------------------------------------------------------------

TEST(SkinFontTest, FollowsTheRecipeRoundingThePixelHeight)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    ASSERT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 96);
    const struct {
        int points;
        int weight;
        LONG height;
    } cases[] = {{9, FW_NORMAL, -12}, {9, FW_BOLD, -12}, {10, FW_NORMAL, -13}, {11, FW_NORMAL, -15},
                 {7, FW_BOLD, -9},   {12, FW_NORMAL, -16}};
    for (const auto& c : cases) {
        const std::unique_ptr<CFont> font = CreateSkinFont(dc, c.points, c.weight);
        ASSERT_NE(font, nullptr);
        LOGFONT lf{};
        ASSERT_NE(font->GetLogFont(&lf), 0) << c.points << " pt";
        EXPECT_EQ(lf.lfHeight, c.height) << c.points << " pt";
        EXPECT_EQ(lf.lfWeight, c.weight);
        EXPECT_STREQ(lf.lfFaceName, "굴림");
        EXPECT_EQ(lf.lfWidth, 0);
        EXPECT_EQ(lf.lfEscapement, 0);
        EXPECT_EQ(lf.lfOrientation, 0);
        EXPECT_EQ(lf.lfItalic | lf.lfUnderline | lf.lfStrikeOut | lf.lfCharSet | lf.lfOutPrecision |
                      lf.lfClipPrecision | lf.lfQuality | lf.lfPitchAndFamily,
                  0);
    }
}

TEST_F(SkinDrawTest, TextInTheNinePointSkinFontIsTwelvePixelsHigh)
{
    CDrawRecorder recorder;
    m_window.paint = [](CDC& dc, const CRect&) {
        const std::unique_ptr<CFont> font = CreateSkinFont(dc, 9, FW_BOLD);
        CFont* old = dc.SelectObject(font.get());
        dc.TextOut(5, 5, "키");
        dc.SelectObject(old);
    };
    m_window.Repaint();
    const DrawnText* text = recorder.FindLast("키");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->fontHeight, 12);
    EXPECT_EQ(text->weight, FW_BOLD);
}

// ---- DrawSkinBitmap ------------------------------------------------------------------------------

TEST_F(SkinDrawTest, DrawsTheWholeBitmapWithItsCornerAtThePoint)
{
    const CSize size = ResourceSize(IDB_BTN_OK);
    ASSERT_EQ(size, CSize(99, 20));
    m_window.paint = [](CDC& dc, const CRect&) { DrawSkinBitmap(dc, IDB_BTN_OK, 10, 30); };
    m_window.Repaint();
    for (CPoint p : {CPoint(0, 0), CPoint(98, 0), CPoint(0, 19), CPoint(98, 19), CPoint(16, 10), CPoint(49, 10),
                     CPoint(82, 10)}) {
        EXPECT_EQ(Pixel(10 + p.x, 30 + p.y), ResourcePixel(IDB_BTN_OK, p.x, p.y)) << p.x << ", " << p.y;
    }
    EXPECT_EQ(Pixel(9, 30), kWhite);
    EXPECT_EQ(Pixel(109, 30), kWhite);
    EXPECT_EQ(Pixel(10, 29), kWhite);
    EXPECT_EQ(Pixel(10, 50), kWhite);
}

TEST_F(SkinDrawTest, ABitmapThatCannotBeLoadedDrawsNothing)
{
    for (int id : {0, -1, 135, 140, 99999}) {
        m_window.paint = [id](CDC& dc, const CRect&) { DrawSkinBitmap(dc, id, 0, 0); };
        m_window.Repaint();
        EXPECT_EQ(Pixel(0, 0), kWhite) << id;
        EXPECT_EQ(Pixel(50, 20), kWhite) << id;
    }
}

} // namespace

