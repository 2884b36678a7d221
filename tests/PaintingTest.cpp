// Painting: WM_ERASEBKGND before WM_PAINT when an erase is pending, synchronous repaints, the paint
// record's rectangle, and the drawing contexts (text, fills, bitmaps, fonts) with the text recorder.

#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr DialogTemplate kTemplate{4, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 120, 60, "", "굴림", 9, {}};

// Logs erase and paint messages and paints with a chosen colour and text.
class CPaintDlg : public CDialog {
public:
    CPaintDlg() : CDialog(kTemplate) {}
    std::vector<std::string> log;
    CRect lastPaintRect;
    CRect updateRectInPaint; // what GetUpdateRect says before BeginPaint
    COLORREF fill = RGB(10, 200, 10);
    BOOL eraseAnswer = 1;
    BOOL lastFErase = -1;
    std::function<void(CDC&)> draw; // drawn after the fill and the text

    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        log.push_back("erase");
        CRect client;
        GetClientRect(&client);
        pDC->FillSolidRect(&client, RGB(255, 0, 255));
        return eraseAnswer;
    }
    afx_msg void OnPaint()
    {
        log.push_back(IsIconic() ? "paint minimised" : "paint");
        GetUpdateRect(&updateRectInPaint);
        CPaintDC dc(this);
        lastPaintRect = dc.m_ps.rcPaint;
        lastFErase = dc.m_ps.fErase;
        dc.FillSolidRect(&dc.m_ps.rcPaint, fill);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(192, 0, 0));
        dc.TextOut(20, 10, "당신이 체크한 총 칼로리는 0.0 Kcal 입니다.");
        if (draw) {
            draw(dc);
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintDlg, CDialog)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

class Painting : public ::testing::Test {
protected:
    CPaintDlg m_dlg;
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.CreateIndirect(kTemplate));
        ASSERT_TRUE(uitest::ShowAndActivate(&m_dlg));
        ASSERT_TRUE(uitest::WaitUntil([&] { return !m_dlg.log.empty(); }));
    }
};

TEST_F(Painting, TheFirstShowErasesBeforeItPaints)
{
    ASSERT_GE(m_dlg.log.size(), 2u);
    EXPECT_EQ(m_dlg.log[0], "erase");
    EXPECT_EQ(m_dlg.log[1], "paint");
}

TEST_F(Painting, UpdateNowPaintsBeforeItReturnsAndEraseOnlyWhenAsked)
{
    m_dlg.log.clear();
    m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(m_dlg.log, std::vector<std::string>{"paint"}) << "painted before RedrawWindow returned, no erase";

    m_dlg.log.clear();
    m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(m_dlg.log, (std::vector<std::string>{"erase", "paint"}));

    m_dlg.log.clear();
    m_dlg.Invalidate(FALSE);
    EXPECT_TRUE(m_dlg.log.empty()) << "an invalidation alone paints later";
    m_dlg.UpdateWindow();
    EXPECT_EQ(m_dlg.log, std::vector<std::string>{"paint"});

    m_dlg.log.clear();
    m_dlg.Invalidate(TRUE);
    ASSERT_TRUE(uitest::WaitUntil([&] { return m_dlg.log.size() >= 2; }));
    EXPECT_EQ(m_dlg.log, (std::vector<std::string>{"erase", "paint"}));
}

// Minimised is what the window system reports, never what the window asked for: a minimise that is not
// carried out (yet, or ever, as on a bare X server) leaves the window painting its normal face.
TEST_F(Painting, AMinimiseCountsOnlyOnceTheWindowSystemCarriesItOut)
{
    m_dlg.ShowWindow(SW_MINIMIZE);
    EXPECT_FALSE(m_dlg.IsIconic()) << "asked for, not carried out yet";
    m_dlg.log.clear();
    m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(m_dlg.log, std::vector<std::string>{"paint"});
    EXPECT_TRUE(uitest::WaitUntil([&] { return m_dlg.IsIconic() != FALSE; })) << "the window system carried it out";
    m_dlg.ShowWindow(SW_RESTORE);
    EXPECT_TRUE(m_dlg.IsIconic()) << "minimised until the restore is carried out";
    EXPECT_TRUE(uitest::WaitUntil([&] { return !m_dlg.IsIconic(); }));
}

TEST_F(Painting, ThePaintRecordHoldsTheInvalidRectangleAndOnlyItReachesTheScreen)
{
    m_dlg.fill = RGB(0, 0, 250);
    const CRect part(20, 30, 60, 50);
    m_dlg.InvalidateRect(&part, FALSE);
    m_dlg.UpdateWindow();
    EXPECT_EQ(m_dlg.lastPaintRect, part);
    EXPECT_EQ(uitest::PixelColor(&m_dlg, 20, 30), RGB(0, 0, 250));
    EXPECT_EQ(uitest::PixelColor(&m_dlg, 59, 49), RGB(0, 0, 250));
    EXPECT_EQ(uitest::PixelColor(&m_dlg, 60, 50), RGB(10, 200, 10)) << "outside: the earlier picture";
    EXPECT_EQ(uitest::PixelColor(&m_dlg, 100, 80), RGB(10, 200, 10));
}

TEST_F(Painting, TheUpdateRectangleIsWhatIsLeftToPaintUntilThePaintBegins)
{
    const CRect part(10, 10, 40, 30);
    m_dlg.InvalidateRect(&part, FALSE);
    CRect pending;
    EXPECT_TRUE(m_dlg.GetUpdateRect(&pending));
    EXPECT_EQ(pending, part);
    m_dlg.UpdateWindow();
    EXPECT_EQ(m_dlg.updateRectInPaint, part);
    EXPECT_FALSE(m_dlg.GetUpdateRect(&pending));
    EXPECT_TRUE(pending.IsRectEmpty());
}

TEST_F(Painting, ThePaintRecordSaysWhetherTheEraseWasLeftUndone)
{
    m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(m_dlg.lastFErase, FALSE) << "the erase handler erased";
    m_dlg.eraseAnswer = 0;
    m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(m_dlg.lastFErase, TRUE) << "an erase answered 0 is left to the paint";
}

TEST_F(Painting, DrawTextCentresOneLineAndClipsItToItsRectangle)
{
    CDrawRecorder recorder;
    CSize extent;
    m_dlg.draw = [&](CDC& dc) {
        dc.FillSolidRect(0, 0, 210, 90, RGB(255, 255, 255));
        dc.SetTextColor(RGB(0, 0, 0));
        extent = dc.GetTextExtent("운동칼로리");
        CRect box(0, 0, 96, 32);
        dc.DrawText("운동칼로리", &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        CRect narrow(100, 40, 130, 60);
        dc.DrawText("아주 긴 메뉴 이름입니다", &narrow, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    };
    m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const DrawnText* centred = recorder.FindLast("운동칼로리");
    ASSERT_NE(centred, nullptr);
    EXPECT_EQ(centred->x, (96 - extent.cx) / 2);
    EXPECT_EQ(centred->y, (32 - extent.cy) / 2);
    // The long text is cut at its rectangle: ink inside it, none on either side.
    bool inkInside = false;
    for (int x = 100; x < 130 && !inkInside; ++x) {
        for (int y = 40; y < 60 && !inkInside; ++y) {
            inkInside = uitest::PixelColor(&m_dlg, x, y) != RGB(255, 255, 255);
        }
    }
    EXPECT_TRUE(inkInside);
    for (int y = 40; y < 60; ++y) {
        for (int x : {95, 98, 99, 130, 131, 135}) {
            EXPECT_EQ(uitest::PixelColor(&m_dlg, x, y), RGB(255, 255, 255)) << x << ", " << y;
        }
    }
}

TEST_F(Painting, BitBltCopiesAMemoryPictureToItsPlace)
{
    m_dlg.draw = [](CDC& dc) {
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        CBitmap picture;
        picture.CreateBitmap(40, 30, memory.GetDeviceCaps(PLANES), memory.GetDeviceCaps(BITSPIXEL), nullptr);
        CBitmap* previous = memory.SelectObject(&picture);
        memory.FillSolidRect(0, 0, 40, 30, RGB(255, 0, 0));
        memory.FillSolidRect(10, 10, 5, 5, RGB(0, 255, 0));
        dc.BitBlt(100, 50, 20, 20, &memory, 5, 5, SRCCOPY); // the part (5, 5)–(25, 25) at (100, 50)
        memory.SelectObject(previous);
    };
    m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(uitest::PixelColor(&m_dlg, 100, 50), RGB(255, 0, 0));
    EXPECT_EQ(uitest::PixelColor(&m_dlg, 105, 55), RGB(0, 255, 0));
    EXPECT_EQ(uitest::PixelColor(&m_dlg, 109, 59), RGB(0, 255, 0));
    EXPECT_EQ(uitest::PixelColor(&m_dlg, 110, 60), RGB(255, 0, 0));
    EXPECT_EQ(uitest::PixelColor(&m_dlg, 119, 69), RGB(255, 0, 0));
    EXPECT_EQ(uitest::PixelColor(&m_dlg, 120, 70), RGB(10, 200, 10)) << "no more than 20 × 20 copied";
}

TEST_F(Painting, TheRecorderKeepsEachTextWithItsPlaceColourAndFont)
{
    CDrawRecorder recorder;
    m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const DrawnText* t = recorder.FindLast("당신이 체크한 총 칼로리는 0.0 Kcal 입니다.");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->x, 20);
    EXPECT_EQ(t->y, 10);
    EXPECT_EQ(t->color, RGB(192, 0, 0));
    EXPECT_EQ(t->fontHeight, 12);
    EXPECT_EQ(t->weight, FW_NORMAL);
    EXPECT_EQ(t->window, m_dlg.m_hWnd);
    EXPECT_EQ(recorder.EntriesFor(m_dlg.m_hWnd).size(), recorder.Entries().size());
    {
        CDrawRecorder inner; // the newest recorder records; the outer one resumes afterwards
        m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(inner.Entries().size(), 1u);
    }
    EXPECT_EQ(recorder.Entries().size(), 1u);
}

// A window with a drop-down: its own repaints leave the control's pixels alone (only RDW_ALLCHILDREN
// repaints under it), and a control repainting itself is no uncover of the window.

constexpr int kBox = 1001;
constexpr std::string_view kBoxItems[] = {"쌀밥", "김밥"};
constexpr DialogControl kBoxControls[] = {
    DialogControl{kBox, "ComboBox", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 20, 10, 60, 60, "", kBoxItems},
};
constexpr DialogTemplate kBoxTemplate{5, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 120, 60, "", "굴림", 9, kBoxControls};

class PaintingUnderControls : public ::testing::Test {
protected:
    CPaintDlg m_dlg;
    CRect m_box;
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.CreateIndirect(kBoxTemplate));
        ASSERT_TRUE(uitest::ShowAndActivate(&m_dlg));
        ASSERT_TRUE(uitest::WaitUntil([&] { return !m_dlg.log.empty(); }));
        m_box = uitest::ControlRect(&m_dlg, kBox);
        ASSERT_FALSE(m_box.IsRectEmpty());
    }
    // The box's whole picture, pixel by pixel.
    std::vector<COLORREF> BoxPixels()
    {
        std::vector<COLORREF> pixels;
        for (int y = m_box.top; y < m_box.bottom; ++y) {
            for (int x = m_box.left; x < m_box.right; ++x) {
                pixels.push_back(uitest::PixelColor(&m_dlg, x, y));
            }
        }
        return pixels;
    }
};

TEST_F(PaintingUnderControls, TheWindowsOwnRepaintLeavesItsControlsAsTheyWere)
{
    const std::vector<COLORREF> before = BoxPixels();
    m_dlg.fill = RGB(0, 0, 250);
    m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(uitest::PixelColor(&m_dlg, m_box.right + 4, m_box.top), RGB(0, 0, 250)) << "beside the box: repainted";
    EXPECT_EQ(BoxPixels(), before) << "the box: as it was";
    EXPECT_EQ(m_dlg.lastPaintRect, CRect(0, 0, 210, 90)) << "the page still paints all of its face";

    // With its children, the window is repainted under the box too: the box's rounded corners show the
    // new colour through.
    m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_NE(BoxPixels(), before);
}

TEST_F(PaintingUnderControls, AControlThatRepaintsItselfMakesTheWindowPaintWithoutErasing)
{
    m_dlg.log.clear();
    m_dlg.GetDlgItem(kBox)->SendMessage(CB_SETCURSEL, 1); // the box repaints itself, later
    m_dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(m_dlg.log, std::vector<std::string>{"paint"});
    EXPECT_EQ(uitest::Text(&m_dlg, kBox), "김밥");
}

// Drawing contexts on their own.

TEST(DrawingContext, MulDivRoundsHalvesAwayFromZeroAndAnswersMinusOneForZero)
{
    struct Case {
        int a, b, c, expected;
    };
    const Case cases[] = {{9, 96, 72, 12},  {10, 96, 72, 13}, {5, 1, 2, 3},         {-5, 1, 2, -3},
                          {5, -1, 2, -3},   {5, 1, -2, -3},   {-5, -1, -2, -3},      {7, 1, 3, 2},
                          {8, 1, 3, 3},     {1, 1, 0, -1},    {INT_MAX, 2, 1, -1},  {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
                          {INT_MIN, 1, 1, INT_MIN}};
    for (const Case& c : cases) {
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
    }
}

TEST(DrawingContext, NinePointGulimIsTwelvePixelsHighAtNinetySixDpi)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 96);
    EXPECT_EQ(dc.GetDeviceCaps(BITSPIXEL), 32);
    EXPECT_EQ(dc.GetDeviceCaps(PLANES), 1);
    LOGFONT lf{};
    lf.lfHeight = -MulDiv(9, dc.GetDeviceCaps(LOGPIXELSY), 72);
    lf.lfWeight = FW_BOLD;
    std::string("굴림").copy(lf.lfFaceName, sizeof lf.lfFaceName - 1);
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    CFont* previous = dc.SelectObject(&font);
    ASSERT_NE(previous, nullptr);
    EXPECT_EQ(dc.SelectObject(previous), &font) << "SelectObject answers the object it replaced";

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(200, 40, 1, 32, nullptr));
    dc.SelectObject(&bitmap);
    dc.SelectObject(&font);
    CDrawRecorder recorder;
    dc.SetTextColor(RGB(0, 0, 192));
    dc.TextOut(3, 4, "음식칼로리");
    ASSERT_EQ(recorder.Entries().size(), 1u);
    EXPECT_EQ(recorder.Entries()[0].fontHeight, 12);
    EXPECT_EQ(recorder.Entries()[0].weight, FW_BOLD);
    // The Korean text is there: its ink is inside the line's box and reaches its top-left area.
    const CSize extent = dc.GetTextExtent("음식칼로리");
    EXPECT_GT(extent.cx, 40);
    EXPECT_GE(extent.cy, 12);
    EXPECT_LE(extent.cy, 18);
}

// A memory context with a picture of its own selected into it.
struct MemoryPicture {
    MemoryPicture(int width, int height)
    {
        EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
        EXPECT_TRUE(bitmap.CreateBitmap(width, height, 1, 32, nullptr));
        dc.SelectObject(&bitmap);
    }
    CBitmap bitmap; // outlives the context it is selected into
    CDC dc;
};

// Gulim stands for the classic Korean face at every weight but bold: its outlines, emboldened by
// the renderer, run into one another at 12 pixels, so bold text takes a face with a drawn bold.
TEST(DrawingContext, GulimResolvesToGulimForTextAndToADrawnBoldFaceForBoldText)
{
    MemoryPicture picture(200, 40);
    CDC& dc = picture.dc;
    CDrawRecorder recorder;
    for (const int weight : {FW_NORMAL, FW_BOLD}) {
        LOGFONT lf{};
        lf.lfHeight = -12;
        lf.lfWeight = weight;
        std::string("굴림").copy(lf.lfFaceName, sizeof lf.lfFaceName - 1);
        CFont font;
        ASSERT_TRUE(font.CreateFontIndirect(&lf));
        CFont* previous = dc.SelectObject(&font);
        dc.TextOut(0, 0, "계산기");
        dc.SelectObject(previous);
    }
    ASSERT_EQ(recorder.Entries().size(), 2u);
    EXPECT_EQ(recorder.Entries()[0].face, "Baekmuk Gulim");
    EXPECT_EQ(recorder.Entries()[1].face, "NanumGothic");
}

// A line that falls wholly outside the picture leaves no ink and is still what the program drew; one
// that reaches into it by a few rows, at the top or the bottom, is drawn.
TEST(DrawingContext, ALineOutOfReachIsSkippedAndALineReachingInIsDrawn)
{
    MemoryPicture picture(120, 40);
    CDC& dc = picture.dc;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    const auto anyInk = [&dc] {
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 120; ++x) {
                if (dc.GetPixel(x, y) != RGB(255, 255, 255)) {
                    return true;
                }
            }
        }
        return false;
    };
    struct Case {
        int y;
        bool inked;
    };
    CDrawRecorder recorder;
    for (const Case c : {Case{40, false}, Case{-12, false}, Case{35, true}, Case{-8, true}, Case{400, false}}) {
        dc.FillSolidRect(0, 0, 120, 40, RGB(255, 255, 255));
        dc.TextOut(2, c.y, "칼로리 계산기");
        EXPECT_EQ(anyInk(), c.inked) << "y " << c.y;
    }
    EXPECT_EQ(recorder.Entries().size(), 5u);
}

TEST(DrawingContext, ASelectedBitmapIsNotDeletedAndReportsItsSize)
{
    CDC source;
    ASSERT_TRUE(source.CreateCompatibleDC(nullptr));
    CBitmap a;
    ASSERT_TRUE(a.CreateBitmap(40, 30, 1, 32, nullptr));
    CBitmap* stock = source.SelectObject(&a);
    ASSERT_NE(stock, nullptr);
    BITMAP info{};
    EXPECT_EQ(a.GetBitmap(&info), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(info.bmWidth, 40);
    EXPECT_EQ(info.bmHeight, 30);
    EXPECT_FALSE(a.DeleteObject()) << "a bitmap selected into a context is not deleted";
    EXPECT_EQ(source.SelectObject(stock), &a);
    EXPECT_TRUE(a.DeleteObject());
}

TEST(DrawingContext, ABitmapObjectGoneWhileSelectedLeavesTheContextUsable)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap* stock = nullptr;
    {
        CBitmap picture;
        ASSERT_TRUE(picture.CreateBitmap(10, 10, 1, 32, nullptr));
        stock = dc.SelectObject(&picture);
    } // the object goes; its picture stays with the context that holds it
    ASSERT_NE(stock, nullptr);
    dc.FillSolidRect(0, 0, 10, 10, RGB(1, 2, 3));
    EXPECT_EQ(dc.GetCurrentBitmap()->GetBitmapDimension(), CSize(10, 10));
    EXPECT_EQ(dc.SelectObject(stock), nullptr) << "the orphaned picture is freed as the context lets it go";
    EXPECT_EQ(dc.GetCurrentBitmap(), stock);
}

TEST(DrawingContext, BrushesKnowTheirColourUntilDeleted)
{
    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(255, 255, 239)));
    COLORREF c = 0;
    EXPECT_TRUE(GetBrushColor(brush, &c));
    EXPECT_EQ(c, RGB(255, 255, 239));
    const HBRUSH handle = brush;
    EXPECT_TRUE(brush.DeleteObject());
    EXPECT_FALSE(GetBrushColor(handle, &c));
    EXPECT_FALSE(DeleteObject(handle));
    const HBRUSH loose = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(CBrush::FromHandle(loose)->GetColor(), RGB(1, 2, 3));
    EXPECT_TRUE(DeleteObject(loose));
}

TEST(DrawingContext, ResourceBitmapsHaveTheirLogicalSize)
{
    // The program's pictures are always compiled into the layer's resources: a failed load is a fault.
    CBitmap skin;
    ASSERT_TRUE(skin.LoadBitmap(IDB_SKIN));
    BITMAP info{};
    skin.GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 780);
    EXPECT_EQ(info.bmHeight, 530);
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(99999));
}

} // namespace
