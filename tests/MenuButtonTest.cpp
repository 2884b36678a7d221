// Menu buttons as a person sees them: the selected button on its plate with a red caption, the one
// under the pointer green with a red caption, the others green with a white caption; captions centred
// in the upper part and clipped there, "계산기" under them. Ends with a picture of all the buttons.

#include "SkinTestWindow.h"

#include "platform/testing/TestDriver.h"
#include "res/Resource.h"
#include "ui/HoverButton.h"
#include "ui/MenuButton.h"
#include "ui/SkinColors.h"
#include "ui/SkinDraw.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr CSize kMenuSize{106, 47};
constexpr DWORD kOwnerDraw = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;

constexpr std::array<const char*, 5> kCaptions{"음식칼로리", "운동칼로리", "권장칼로리", "비만도", "복부비만"};
constexpr int kFirstMenuId = IDC_MENU_FOOD;
constexpr int kLongCaptionId = 1010;
constexpr const char* kLongCaption = "아주아주아주긴메뉴버튼이름";

constexpr std::array kMenuControls{
    DialogControl{IDC_MENU_FOOD, "Button", kOwnerDraw, 0, 5, 5, 61, 31, "음식칼로리"},
    DialogControl{IDC_MENU_EXERCISE, "Button", kOwnerDraw, 0, 5, 40, 61, 31, "운동칼로리"},
    DialogControl{IDC_MENU_RECOMMEND, "Button", kOwnerDraw, 0, 5, 75, 61, 31, "권장칼로리"},
    DialogControl{IDC_MENU_BMI, "Button", kOwnerDraw, 0, 5, 110, 61, 31, "비만도"},
    DialogControl{IDC_MENU_WAISTHIP, "Button", kOwnerDraw, 0, 5, 145, 61, 31, "복부비만"},
    DialogControl{kLongCaptionId, "Button", kOwnerDraw, 0, 80, 5, 61, 31, kLongCaption},
};

CPoint MenuOrigin(int index) { return {10, 10 + index * 52}; }
constexpr CPoint kLongCaptionOrigin{150, 10};
constexpr CPoint kAwayPoint{400, 290}; // clear of every button

// A point of the selected plate, clear of both texts, where the plate is not the menu colour.
CPoint FindPlateProbe()
{
    for (int y = 0; y < kMenuSize.cy; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (ResourcePixel(IDB_MENU_SELECTED, x, y) != kMenuFillColor) {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

class MenuButtonTest : public ::testing::Test {
protected:
    const DialogTemplate m_template = SkinTestTemplate(250, 200, kMenuControls);
    CSkinTestWindow m_window{m_template};
    std::array<CMenuButton, 5> m_menu;
    CMenuButton m_long;
    CPoint m_plateProbe = FindPlateProbe();

    void SetUp() override
    {
        ASSERT_GE(m_plateProbe.x, 0) << "the plate differs from the menu colour left of the caption";
        for (int i = 0; i < 5; ++i) {
            m_window.bindings.emplace_back(kFirstMenuId + i, &m_menu[i]);
        }
        m_window.bindings.emplace_back(kLongCaptionId, &m_long);
        ASSERT_TRUE(m_window.Open());
        for (int i = 0; i < 5; ++i) {
            m_window.Place(kFirstMenuId + i, MenuOrigin(i).x, MenuOrigin(i).y, kMenuSize.cx, kMenuSize.cy);
        }
        m_window.Place(kLongCaptionId, kLongCaptionOrigin.x, kLongCaptionOrigin.y, kMenuSize.cx, kMenuSize.cy);
        ASSERT_TRUE(m_window.MovePointerIn(kAwayPoint));
        uitest::ProcessEvents();
    }

    COLORREF PixelOf(CPoint origin, CPoint at) { return uitest::PixelColor(&m_window, origin.x + at.x, origin.y + at.y); }

    // The last text drawn on `button` (its own context), or null.
    static const DrawnText* LastOn(const CDrawRecorder& recorder, const CWnd& button, const std::string& text)
    {
        const DrawnText* found = nullptr;
        for (const DrawnText& e : recorder.Entries()) {
            if (e.window == button.GetSafeHwnd() && e.text == text) {
                found = &e;
            }
        }
        return found;
    }
};

struct Look {
    const char* name;
    bool selected;
    bool hovered;
    bool plate;
    COLORREF textColor;
};
constexpr Look kLooks[] = {
    {"selected", true, false, true, kRed},
    {"selected and under the pointer", true, true, true, kRed},
    {"unselected under the pointer", false, true, false, kRed},
    {"unselected elsewhere", false, false, false, kWhite},
};

TEST_F(MenuButtonTest, ThreeLooksBySelectionAndPointer)
{
    for (const Look& look : kLooks) {
        CMenuButton& button = m_menu[1];
        const CPoint origin = MenuOrigin(1);
        CDrawRecorder recorder;
        button.SetSelected(look.selected ? 7 : 0); // any nonzero flag selects
        if (look.hovered) {
            ASSERT_TRUE(uitest::MoveOnto(&m_window, kFirstMenuId + 1));
        } else {
            ASSERT_TRUE(uitest::MoveTo(&m_window, kAwayPoint));
        }
        const bool settled = uitest::WaitUntil([&] {
            const DrawnText* caption = LastOn(recorder, button, kCaptions[1]);
            return caption && caption->color == look.textColor;
        });
        EXPECT_TRUE(settled) << look.name << ": caption colour";
        const DrawnText* subtitle = LastOn(recorder, button, "계산기");
        ASSERT_NE(subtitle, nullptr) << look.name;
        EXPECT_EQ(subtitle->color, look.textColor) << look.name;
        EXPECT_EQ(PixelOf(origin, m_plateProbe),
                  look.plate ? ResourcePixel(IDB_MENU_SELECTED, m_plateProbe.x, m_plateProbe.y) : kMenuFillColor)
            << look.name << ": plate";
        EXPECT_EQ(PixelOf(origin, CPoint(105, 46)), kMenuFillColor) << look.name << ": corner";
    }
}

TEST_F(MenuButtonTest, OnlyTheSelectedButtonSitsOnThePlate)
{
    m_menu[3].SetSelected(TRUE);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(PixelOf(MenuOrigin(i), m_plateProbe),
                  i == 3 ? ResourcePixel(IDB_MENU_SELECTED, m_plateProbe.x, m_plateProbe.y) : kMenuFillColor)
            << kCaptions[i];
    }
    m_menu[3].SetSelected(FALSE);
    EXPECT_EQ(PixelOf(MenuOrigin(3), m_plateProbe), kMenuFillColor);
}

TEST_F(MenuButtonTest, CaptionCentredAboveTheSubtitleInBoldNinePoint)
{
    CDC measure;
    ASSERT_TRUE(measure.CreateCompatibleDC(nullptr));
    const std::unique_ptr<CFont> bold = CreateSkinFont(measure, 9, FW_BOLD);
    CFont* old = measure.SelectObject(bold.get());

    CDrawRecorder recorder;
    m_window.Repaint();
    for (int i = 0; i < 5; ++i) {
        m_menu[i].RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const CSize extent = measure.GetTextExtent(kCaptions[i]);
        const DrawnText* caption = LastOn(recorder, m_menu[i], kCaptions[i]);
        ASSERT_NE(caption, nullptr) << kCaptions[i];
        // Centred in 106 − 10 by 47 − 15.
        EXPECT_EQ(caption->x, (96 - extent.cx) / 2) << kCaptions[i];
        EXPECT_EQ(caption->y, (32 - extent.cy) / 2) << kCaptions[i];
        EXPECT_EQ(caption->fontHeight, 12);
        EXPECT_EQ(caption->weight, FW_BOLD);
        const DrawnText* subtitle = LastOn(recorder, m_menu[i], "계산기");
        ASSERT_NE(subtitle, nullptr);
        EXPECT_EQ(subtitle->x, 29);
        EXPECT_EQ(subtitle->y, 28);
        EXPECT_EQ(subtitle->weight, FW_BOLD);
    }
    measure.SelectObject(old);
}

TEST_F(MenuButtonTest, ALongCaptionIsClippedOnItsLine)
{
    CDrawRecorder recorder;
    m_long.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const DrawnText* caption = LastOn(recorder, m_long, kLongCaption);
    ASSERT_NE(caption, nullptr) << "drawn as one line";
    EXPECT_LT(caption->x, 0) << "centred, it overflows both sides";

    bool textInside = false;
    for (int y = 0; y < 32; ++y) {
        for (int x = 96; x < 106; ++x) {
            ASSERT_EQ(PixelOf(kLongCaptionOrigin, CPoint(x, y)), kMenuFillColor) << "right margin at " << x << ", " << y;
        }
        for (int x = 0; x < 96; ++x) {
            textInside = textInside || PixelOf(kLongCaptionOrigin, CPoint(x, y)) != kMenuFillColor;
        }
    }
    EXPECT_TRUE(textInside);
    // Below the caption's rectangle only "계산기" is drawn, from x = 29.
    for (int y = 32; y < 47; ++y) {
        for (int x = 0; x < 29; ++x) {
            ASSERT_EQ(PixelOf(kLongCaptionOrigin, CPoint(x, y)), kMenuFillColor) << x << ", " << y;
        }
    }
}

TEST_F(MenuButtonTest, ACaptionBeyondTheTextLimitIsCutBetweenCharacters)
{
    std::string text;
    for (int i = 0; i < 50; ++i) {
        text += "가"; // three bytes each: 127 bytes end inside the 43rd
    }
    m_long.SetWindowText(text);
    CDrawRecorder recorder;
    m_long.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    std::string expected;
    for (int i = 0; i < 42; ++i) {
        expected += "가";
    }
    EXPECT_NE(LastOn(recorder, m_long, expected), nullptr) << "the first 42 characters, whole";
}

// ---- The picture ---------------------------------------------------------------------------------

constexpr std::array kPictureControls{
    DialogControl{IDC_MENU_FOOD, "Button", kOwnerDraw, 0, 5, 5, 61, 31, "음식칼로리"},
    DialogControl{IDC_MENU_EXERCISE, "Button", kOwnerDraw, 0, 5, 40, 61, 31, "운동칼로리"},
    DialogControl{IDC_MENU_RECOMMEND, "Button", kOwnerDraw, 0, 5, 75, 61, 31, "권장칼로리"},
    DialogControl{IDC_MENU_BMI, "Button", kOwnerDraw, 0, 5, 110, 61, 31, "비만도"},
    DialogControl{IDC_MENU_WAISTHIP, "Button", kOwnerDraw, 0, 5, 145, 61, 31, "복부비만"},
    DialogControl{IDC_DIARY, "Button", kOwnerDraw, 0, 80, 5, 45, 42, "Diary"},
    DialogControl{IDC_OK, "Button", kOwnerDraw, 0, 80, 60, 19, 14, "OK"},
    DialogControl{2, "Button", kOwnerDraw, 0, 110, 60, 8, 9, "_"},
    DialogControl{1, "Button", kOwnerDraw, 0, 120, 60, 8, 9, "X"},
};

TEST(SkinButtonsPicture, MenuAndBitmapButtonsRenderToAPicture)
{
    const DialogTemplate layout = SkinTestTemplate(150, 190, kPictureControls);
    CSkinTestWindow window(layout);
    window.background = kMenuFillColor;
    std::array<CMenuButton, 5> menu;
    CHoverButton tab, ok, minimize, close;
    for (int i = 0; i < 5; ++i) {
        window.bindings.emplace_back(kFirstMenuId + i, &menu[i]);
    }
    window.bindings.insert(window.bindings.end(), {{IDC_DIARY, &tab}, {IDC_OK, &ok}, {2, &minimize}, {1, &close}});
    ASSERT_TRUE(window.Open());
    for (int i = 0; i < 5; ++i) {
        window.Place(kFirstMenuId + i, 10, 10 + i * 52, kMenuSize.cx, kMenuSize.cy);
    }
    window.Place(IDC_DIARY, 150, 10, 78, 63);
    window.Place(IDC_OK, 150, 90, 33, 20);
    window.Place(2, 200, 90, 13, 13);
    window.Place(1, 220, 90, 13, 13);
    tab.SetBitmapId(IDB_TAB_DIARY);
    ok.SetBitmapId(IDB_BTN_OK);
    minimize.SetBitmapId(IDB_BTN_MINIMIZE);
    close.SetBitmapId(IDB_BTN_CLOSE);
    menu[0].SetSelected(TRUE);

    CDrawRecorder recorder;
    ASSERT_TRUE(window.MovePointerIn(CPoint(200, 200)));
    ASSERT_TRUE(uitest::MoveOnto(&window, kFirstMenuId + 2));
    ASSERT_TRUE(uitest::WaitUntil([&] {
        const DrawnText* caption = recorder.FindLast(kCaptions[2]);
        return caption && caption->color == kRed;
    }));

    const std::string path = ::testing::TempDir() + "vintora_skin_buttons.png";
    ASSERT_TRUE(uitest::SaveImage(&window, path)) << path;
    EXPECT_EQ(uitest::PixelColor(&window, 150, 10), ResourcePixel(IDB_TAB_DIARY, 0, 0));
    EXPECT_EQ(uitest::PixelColor(&window, 220, 90), ResourcePixel(IDB_BTN_CLOSE, 0, 0));
}

} // namespace
