#pragma once
// What the body-measure page tests share: the page made as the main window makes it, driven as a
// person drives it (typing, clicking radio buttons and OK, hiding and showing), and what the page
// then shows: the texts of its last paint with their places and colours, and pixels of its picture.

#include "body/BandControlColor.h"
#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"
#include "platform/testing/TestObserver.h"
#include "res/Resource.h"
#include "ui/SkinColors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace bodytest {

constexpr COLORREF kGreen = RGB(0, 192, 0);
constexpr COLORREF kDarkRed = RGB(192, 0, 0);
constexpr COLORREF kDarkBlue = RGB(0, 0, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The control brush that the pages' colouring holds now: the live brush of a band colour (the program
// holds no other brush of those colours), or null.
inline HBRUSH HeldControlBrush()
{
    for (const HBRUSH brush : uitest::LiveBrushes()) {
        COLORREF color = 0;
        if (GetBrushColor(brush, &color) && (color == kBandColorEven || color == kBandColorOdd)) {
            return brush;
        }
    }
    return nullptr;
}

struct ExpectedText {
    const char* text;
    int x;
    int y;
    COLORREF color;
};

// The texts of several groups, in order.
inline std::vector<ExpectedText> Concat(std::initializer_list<std::span<const ExpectedText>> groups)
{
    std::vector<ExpectedText> all;
    for (const std::span<const ExpectedText> group : groups) {
        all.insert(all.end(), group.begin(), group.end());
    }
    return all;
}

// The texts of a page's last paint. Every paint draws the whole page, its first label first; a paint
// can also come from the controls (focus, pressed look), so only the last one tells the page's state.
class Painted {
public:
    Painted(const std::vector<DrawnText>& entries, const std::string& firstLabel)
    {
        const auto start = std::find_if(entries.rbegin(), entries.rend(),
                                        [&](const DrawnText& e) { return e.text == firstLabel; });
        if (start != entries.rend()) {
            m_entries.assign(std::prev(start.base()), entries.end());
        }
    }

    const std::vector<DrawnText>& Entries() const { return m_entries; }

    const DrawnText* Find(const std::string& text) const
    {
        const auto it = std::find_if(m_entries.rbegin(), m_entries.rend(),
                                     [&](const DrawnText& e) { return e.text == text; });
        return it == m_entries.rend() ? nullptr : &*it;
    }
    // The last text that starts with `prefix`, or null.
    const DrawnText* FindStartingWith(const std::string& prefix) const
    {
        const auto it = std::find_if(m_entries.rbegin(), m_entries.rend(),
                                     [&](const DrawnText& e) { return e.text.rfind(prefix, 0) == 0; });
        return it == m_entries.rend() ? nullptr : &*it;
    }
    void ExpectShows(const ExpectedText& expected) const
    {
        SCOPED_TRACE(expected.text);
        const DrawnText* e = Find(expected.text);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->x, expected.x);
        EXPECT_EQ(e->y, expected.y);
        EXPECT_EQ(e->color, expected.color);
        EXPECT_EQ(e->fontHeight, 12);
        EXPECT_EQ(e->weight, 400);
    }
    void ExpectShowsAll(std::span<const ExpectedText> texts) const
    {
        for (const ExpectedText& t : texts) {
            ExpectShows(t);
        }
    }
    void ExpectShowsNone(std::span<const ExpectedText> texts) const
    {
        for (const ExpectedText& t : texts) {
            EXPECT_EQ(Find(t.text), nullptr) << t.text;
        }
    }
    // Exactly these texts, each once, in any order, and nothing else.
    void ExpectShowsExactly(std::vector<ExpectedText> texts) const
    {
        ExpectShowsAll(texts);
        std::vector<std::string> painted;
        for (const DrawnText& e : m_entries) {
            painted.push_back(e.text);
        }
        std::vector<std::string> expected;
        for (const ExpectedText& t : texts) {
            expected.push_back(t.text);
        }
        std::sort(painted.begin(), painted.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(painted, expected);
    }

private:
    std::vector<DrawnText> m_entries;
};

// 269 × 167 dialog units: 470 × 250 pixels.
constexpr DialogTemplate kParentTemplate{0, WS_POPUP | DS_SETFONT, 0, 269, 167, "", "굴림", 9, {}};

// A page made as the main window makes it: a child of a 470 × 250 window, shown at its origin.
template <class TPage>
class PageTest : public ::testing::Test {
protected:
    explicit PageTest(const char* firstLabel) : m_firstLabel(firstLabel) {}

    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateIndirect(kParentTemplate));
        m_page = new TPage;
        ASSERT_TRUE(m_page->Create(TPage::IDD, &m_parent));
        m_page->SetWindowPos(nullptr, 0, 0, 470, 250, SWP_NOZORDER | SWP_SHOWWINDOW);
        ASSERT_TRUE(uitest::ShowAndActivate(&m_parent));
        ASSERT_TRUE(uitest::WaitUntil([this] { return uitest::IsVisible(m_page); }));
    }
    // Destroying the parent destroys the page, which deletes itself.
    void TearDown() override { m_parent.DestroyWindow(); }

    Painted PaintedBy(const CDrawRecorder& recorder) const
    {
        return Painted(recorder.EntriesFor(m_page->GetSafeHwnd()), m_firstLabel);
    }
    // What one full repaint of the page draws.
    Painted Repaint()
    {
        CDrawRecorder recorder;
        m_page->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return PaintedBy(recorder);
    }
    // Clicks OK and answers what the page shows then (OK repaints before the click returns).
    Painted PressOk()
    {
        CDrawRecorder recorder;
        EXPECT_TRUE(uitest::Click(m_page, IDC_OK));
        uitest::ProcessEvents();
        return PaintedBy(recorder);
    }
    // Hides the page and shows it again, as leaving the calculator and coming back does; answers what
    // the page paints when it comes back.
    Painted HideAndShow()
    {
        m_page->ShowWindow(SW_HIDE);
        EXPECT_TRUE(uitest::WaitUntil([this] { return !uitest::IsVisible(m_page); }));
        CDrawRecorder recorder;
        m_page->ShowWindow(SW_SHOW);
        EXPECT_TRUE(uitest::WaitUntil([&] { return !PaintedBy(recorder).Entries().empty(); }));
        return PaintedBy(recorder);
    }

    // OK while `field` holds an entry that does not parse: the prompt once, the focus on that field, and
    // nothing computed: the page shows just what it showed before.
    void ExpectRefused(int field, const std::string& prompt)
    {
        const auto shown = [](const Painted& painted) {
            std::vector<std::tuple<std::string, int, int, COLORREF>> texts;
            for (const DrawnText& e : painted.Entries()) {
                texts.emplace_back(e.text, e.x, e.y, e.color);
            }
            return texts;
        };
        const auto before = shown(Repaint());
        uitest::MessageBoxRecorder prompts;
        PressOk();
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{prompt});
        EXPECT_TRUE(uitest::HasFocus(m_page, field));
        EXPECT_EQ(shown(Repaint()), before);
    }

    void Type(int edit, const std::string& text) { ASSERT_TRUE(uitest::TypeText(m_page, edit, text)); }
    void Choose(int radio)
    {
        ASSERT_TRUE(uitest::Click(m_page, radio));
        ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsChecked(m_page, radio); }));
    }

    // Enter and Escape pressed on each control: the page stays shown, no prompt comes up, and what
    // the page shows after each key passes `expectUnchanged` (Enter taken as OK would change it).
    void ExpectEnterAndEscapeDoNothing(std::initializer_list<int> controls,
                                       const std::function<void(const Painted&)>& expectUnchanged)
    {
        uitest::MessageBoxRecorder prompts;
        for (const int id : controls) {
            for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
                SCOPED_TRACE("control " + std::to_string(id) + (key == VK_RETURN ? " Enter" : " Escape"));
                ASSERT_TRUE(uitest::PressKey(m_page, id, key));
                uitest::ProcessEvents();
                EXPECT_TRUE(uitest::IsVisible(m_page)); // Escape would end the dialog, which hides it
                expectUnchanged(Repaint());
            }
        }
        EXPECT_TRUE(prompts.Texts().empty());
    }

    // The radio button's caption half reads grey on the band colour in the page's picture.
    void ExpectGreyCaptionOn(int radio, COLORREF band)
    {
        SCOPED_TRACE("radio " + std::to_string(radio));
        const CRect rect = uitest::ControlRect(m_page, radio);
        ASSERT_FALSE(rect.IsRectEmpty());
        int background = 0;
        int darkest = 255;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left + rect.Width() / 2; x < rect.right; ++x) {
                const COLORREF c = uitest::PixelColor(m_page, x, y);
                background += c == band;
                darkest = std::min<int>(darkest, std::min({GetRValue(c), GetGValue(c), GetBValue(c)}));
            }
        }
        EXPECT_GT(background, rect.Height() * rect.Width() / 4);
        EXPECT_LE(darkest, 170); // the caption is there
        EXPECT_GE(darkest, 120); // and grey, not black
    }

    // The page's pixels down its right edge, where no control stands: the bands, then white.
    void ExpectBands(int count)
    {
        Repaint();
        for (int band = 0; band < count; ++band) {
            SCOPED_TRACE("band " + std::to_string(band));
            const COLORREF color = band % 2 == 0 ? kBandColorEven : kBandColorOdd;
            EXPECT_EQ(uitest::PixelColor(m_page, 465, 32 * band), color);
            EXPECT_EQ(uitest::PixelColor(m_page, 2, 32 * band + 31), color);
        }
        EXPECT_EQ(uitest::PixelColor(m_page, 465, 32 * count), kWhite);
        EXPECT_EQ(uitest::PixelColor(m_page, 465, 249), kWhite);
    }

    // Sends the control's colour request to the page as the layer does when the control paints.
    HBRUSH AskColour(CDC& dc, int id, UINT message)
    {
        return reinterpret_cast<HBRUSH>(m_page->SendMessage(message, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                                            reinterpret_cast<LPARAM>(m_page->GetDlgItem(id)->GetSafeHwnd())));
    }
    // The colour request of a radio button on a band: grey text on the band colour, and the answer is
    // a brush of that colour, the one control brush held now.
    void ExpectBandColouring(int radio, COLORREF band)
    {
        SCOPED_TRACE("radio " + std::to_string(radio));
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        const HBRUSH brush = AskColour(dc, radio, WM_CTLCOLORBTN);
        COLORREF color = 0;
        ASSERT_TRUE(GetBrushColor(brush, &color));
        EXPECT_EQ(color, band);
        EXPECT_EQ(brush, HeldControlBrush());
        EXPECT_EQ(dc.GetTextColor(), kLabelColor);
        EXPECT_EQ(dc.GetBkColor(), band);
    }
    // The colour request of an edit keeps the standard colouring and lets the held control brush go.
    void ExpectStandardColouring(int edit)
    {
        SCOPED_TRACE("edit " + std::to_string(edit));
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        ASSERT_NE(AskColour(dc, IDC_MALE, WM_CTLCOLORBTN), nullptr); // a brush is held before
        const HBRUSH held = HeldControlBrush();
        dc.SetTextColor(RGB(0, 0, 0));
        const HBRUSH brush = AskColour(dc, edit, WM_CTLCOLOREDIT);
        COLORREF color = 0;
        EXPECT_FALSE(GetBrushColor(held, &color) && held != brush) << "the held brush is still alive";
        EXPECT_EQ(HeldControlBrush(), nullptr);
        EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    }

    CDialog m_parent{kParentTemplate};
    TPage* m_page = nullptr;

private:
    std::string m_firstLabel;
};

} // namespace bodytest
