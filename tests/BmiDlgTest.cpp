// The BMI page as a person uses it: typing into the edits, clicking the radio buttons and OK, and
// reading what the page paints (texts, positions, colours) and a few pixels of its picture.

#include "body/BandControlColor.h"
#include "body/BmiDlg.h"
#include "res/Resource.h"
#include "ui/SkinColors.h"
#include "ui/platform/Afx.h"
#include "ui/platform/testing/TestDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr int kHeightEdit = IDC_HEIGHT;
constexpr int kWeightEdit = IDC_WEIGHT;
constexpr int kMaleRadio = IDC_MALE;
constexpr int kFemaleRadio = IDC_FEMALE;
constexpr int kOkButton = IDC_OK;

constexpr COLORREF kGreen = RGB(0, 192, 0);
constexpr COLORREF kDarkRed = RGB(192, 0, 0);
constexpr COLORREF kDarkBlue = RGB(0, 0, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);

const char* const kSentencePrefix = "귀하는 BMI 지수가 ";
const char* const kParagraphHeading = "비만이란 무엇일까요?";
const char* const kLegendHeading = "BMI 기준";

struct ExpectedText {
    const char* text;
    int x;
    int y;
    COLORREF color;
};

const ExpectedText kLabels[] = {
    {"키", 20, 10, kLabelColor},     {"cm", 190, 10, kLabelColor}, {"몸무게", 245, 10, kLabelColor},
    {"kg", 400, 10, kLabelColor},    {"성별", 20, 42, kLabelColor},
};

const ExpectedText kObesityParagraph[] = {
    {"비만이란 무엇일까요?", 20, 115, kDarkRed},
    {"알기 쉽게 말해서 체내에 지방이 필요 이상으로 많은 상태를 말합니다.", 20, 140, kLabelColor},
    {"하지만 체지방량을 측정하는 것이 복잡하고 부정확하다는 점 때문에 여러가지", 20, 160, kLabelColor},
    {"간접적인 측정법들이 흔히 이용되고 있습니다.", 20, 180, kLabelColor},
    {"본 계산기에서는 가장 흔히 쓰는 BMI 계산법을 이용하여 여러분의 비만도를", 20, 200, kLabelColor},
    {"계산해 드립니다. ", 20, 220, kLabelColor},
};

const ExpectedText kFormulaAndLegend[] = {
    {"BMI(Body Mass Index;신체질량지수)란?", 20, 144, kDarkBlue},
    {"비만 측정 지수의 하나로 체중(kg)/신장(㎡) 공식으로 산출합니다.", 30, 164, kLabelColor},
    {"BMI = 체중(kg)/신장(m)*신장(m) ", 30, 184, kLabelColor},
    {"BMI 기준", 20, 216, kDarkBlue},
    {"BMI 가 18.5 미만 : 저체중 /  18.5~24.9 : 정상 / 25이상 : 비만", 30, 236, kLabelColor},
};

// The texts of the page's last paint. Every paint draws the whole page, labels first; a paint can
// also come from the controls (focus, pressed look), so only the last one tells the page's state.
class Painted {
public:
    explicit Painted(const std::vector<DrawnText>& entries)
    {
        const auto start = std::find_if(entries.rbegin(), entries.rend(),
                                        [](const DrawnText& e) { return e.text == kLabels[0].text; });
        if (start != entries.rend()) {
            m_entries.assign(std::prev(start.base()), entries.end());
        }
    }

    const DrawnText* Find(const std::string& text) const
    {
        const auto it = std::find_if(m_entries.rbegin(), m_entries.rend(),
                                     [&](const DrawnText& e) { return e.text == text; });
        return it == m_entries.rend() ? nullptr : &*it;
    }
    // The result sentence, or null when none was painted.
    const DrawnText* Sentence() const
    {
        const auto it = std::find_if(m_entries.rbegin(), m_entries.rend(),
                                     [](const DrawnText& e) { return e.text.rfind(kSentencePrefix, 0) == 0; });
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
    template <std::size_t N>
    void ExpectShowsAll(const ExpectedText (&texts)[N]) const
    {
        for (const ExpectedText& t : texts) {
            ExpectShows(t);
        }
    }
    template <std::size_t N>
    void ExpectShowsNone(const ExpectedText (&texts)[N]) const
    {
        for (const ExpectedText& t : texts) {
            EXPECT_EQ(Find(t.text), nullptr) << t.text;
        }
    }

private:
    std::vector<DrawnText> m_entries;
};

// 269 × 167 dialog units: 470 × 250 pixels.
constexpr DialogTemplate kParentTemplate{0, WS_POPUP | DS_SETFONT, 0, 269, 167, "", "굴림", 9, {}};

// The page from template 143 as the main window makes it: a child of a 470 × 250 window, shown.
class BmiPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateIndirect(kParentTemplate));
        m_page = new CBmiDlg;
        ASSERT_TRUE(m_page->Create(CBmiDlg::IDD, &m_parent));
        m_page->SetWindowPos(nullptr, 0, 0, 470, 250, SWP_NOZORDER | SWP_SHOWWINDOW);
        ASSERT_TRUE(uitest::ShowAndActivate(&m_parent));
        ASSERT_TRUE(uitest::WaitUntil([this] { return uitest::IsVisible(m_page); }));
    }
    // Destroying the parent destroys the page, which deletes itself.
    void TearDown() override { m_parent.DestroyWindow(); }

    // What one full repaint of the page draws.
    Painted Repaint()
    {
        CDrawRecorder recorder;
        m_page->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return Painted(recorder.EntriesFor(m_page->GetSafeHwnd()));
    }

    // Clicks OK and answers what the page shows then (OK repaints before the click returns).
    Painted PressOk()
    {
        CDrawRecorder recorder;
        EXPECT_TRUE(uitest::Click(m_page, kOkButton));
        uitest::ProcessEvents();
        return Painted(recorder.EntriesFor(m_page->GetSafeHwnd()));
    }

    void Enter(const std::string& height, const std::string& weight, int sexRadio)
    {
        ASSERT_TRUE(uitest::TypeText(m_page, kHeightEdit, height));
        ASSERT_TRUE(uitest::TypeText(m_page, kWeightEdit, weight));
        ASSERT_TRUE(uitest::Click(m_page, sexRadio));
        ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsChecked(m_page, sexRadio); }));
    }

    // A result sentence at its place in its colour.
    static void ExpectSentence(const Painted& painted, const std::string& text, COLORREF color)
    {
        const DrawnText* sentence = painted.Sentence();
        ASSERT_NE(sentence, nullptr);
        EXPECT_EQ(sentence->text, text);
        EXPECT_EQ(sentence->x, 20);
        EXPECT_EQ(sentence->y, 112);
        EXPECT_EQ(sentence->color, color);
    }
    static void ExpectNoResult(const Painted& painted)
    {
        EXPECT_EQ(painted.Sentence(), nullptr);
        painted.ExpectShowsAll(kObesityParagraph);
        painted.ExpectShowsNone(kFormulaAndLegend);
    }

    CDialog m_parent{kParentTemplate};
    CBmiDlg* m_page = nullptr;
};

// Start ------------------------------------------------------------------------------------------

TEST_F(BmiPageTest, StartsWithZeroesFemaleAndTheObesityParagraph)
{
    EXPECT_EQ(uitest::Text(m_page, kHeightEdit), "0");
    EXPECT_EQ(uitest::Text(m_page, kWeightEdit), "0");
    EXPECT_TRUE(uitest::IsChecked(m_page, kFemaleRadio));
    EXPECT_FALSE(uitest::IsChecked(m_page, kMaleRadio));

    const Painted painted = Repaint();
    painted.ExpectShowsAll(kLabels);
    ExpectNoResult(painted);
}

// Results by height, weight and sex ----------------------------------------------------------------

struct BmiCase {
    const char* height;
    const char* weight;
    int sexRadio;
    const char* sentence;
    COLORREF color;
};

void PrintTo(const BmiCase& c, std::ostream* os)
{
    *os << c.height << " cm, " << c.weight << " kg, " << (c.sexRadio == kMaleRadio ? "남자" : "여자");
}

class BmiResultTest : public BmiPageTest, public ::testing::WithParamInterface<BmiCase> {};

TEST_P(BmiResultTest, PaintsTheSentenceOfTheClassInItsColourWithFormulaAndLegend)
{
    const BmiCase& c = GetParam();
    Enter(c.height, c.weight, c.sexRadio);
    const Painted painted = PressOk();
    ExpectSentence(painted, c.sentence, c.color);
    painted.ExpectShowsAll(kLabels);
    painted.ExpectShowsAll(kFormulaAndLegend);
    painted.ExpectShowsNone(kObesityParagraph);
}

INSTANTIATE_TEST_SUITE_P(
    BoundsAndSexes, BmiResultTest,
    ::testing::Values(
        BmiCase{"170", "65", kFemaleRadio, "귀하는 BMI 지수가 22.49 이므로 정상입니다. ", kGreen},
        BmiCase{"170", "65", kMaleRadio, "귀하는 BMI 지수가 22.49 이므로 정상입니다. ", kGreen},
        // Between the women's bound 18.5 and the men's 20.0.
        BmiCase{"160", "50", kFemaleRadio, "귀하는 BMI 지수가 19.53 이므로 정상입니다. ", kGreen},
        BmiCase{"160", "50", kMaleRadio, "귀하는 BMI 지수가 19.53 이므로 저체중입니다. ", kDarkRed},
        // Exactly 18.5 belongs to the higher class for women.
        BmiCase{"200", "74", kFemaleRadio, "귀하는 BMI 지수가 18.50 이므로 정상입니다. ", kGreen},
        BmiCase{"200", "74", kMaleRadio, "귀하는 BMI 지수가 18.50 이므로 저체중입니다. ", kDarkRed},
        // Exactly 25.0 is obese for both.
        BmiCase{"200", "100", kFemaleRadio, "귀하는 BMI 지수가 25.00 이므로 비만입니다. ", kDarkRed},
        BmiCase{"200", "100", kMaleRadio, "귀하는 BMI 지수가 25.00 이므로 비만입니다. ", kDarkRed},
        BmiCase{"150", "30", kFemaleRadio, "귀하는 BMI 지수가 13.33 이므로 저체중입니다. ", kDarkRed},
        // Only the square of the height counts.
        BmiCase{"-170", "65", kFemaleRadio, "귀하는 BMI 지수가 22.49 이므로 정상입니다. ", kGreen},
        // A height of 0 divides by zero: an infinite index, obese, written ∞.
        BmiCase{"0", "60", kFemaleRadio, "귀하는 BMI 지수가 ∞ 이므로 비만입니다. ", kDarkRed},
        // A huge weight overflows to an infinite index the same way.
        BmiCase{"1", "1e308", kMaleRadio, "귀하는 BMI 지수가 ∞ 이므로 비만입니다. ", kDarkRed}),
    [](const ::testing::TestParamInfo<BmiCase>& info) {
        // e.g. "h170_w65_female_2": readable in the test list, unique by its index.
        std::string name = std::string("h") + info.param.height + "_w" + info.param.weight +
                           (info.param.sexRadio == kMaleRadio ? "_male_" : "_female_") + std::to_string(info.index);
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        }
        return name;
    });

TEST_F(BmiPageTest, AnIndexOfZeroOrBelowOrNotANumberBringsTheParagraphBack)
{
    struct NoResult {
        const char* height;
        const char* weight;
    };
    // 1e200 cm squares to infinity, and any weight over it is 0.
    for (const NoResult& c : {NoResult{"170", "0"}, NoResult{"170", "-5"}, NoResult{"0", "0"}, NoResult{"0", "-5"},
                              NoResult{"1e200", "70"}}) {
        SCOPED_TRACE(std::string(c.height) + " cm, " + c.weight + " kg");
        Enter("170", "65", kFemaleRadio);
        ASSERT_NE(PressOk().Sentence(), nullptr);

        Enter(c.height, c.weight, kFemaleRadio);
        ExpectNoResult(PressOk());
    }
}

// Reading the fields ---------------------------------------------------------------------------------

TEST_F(BmiPageTest, AnEmptyWeightPromptsOnceAndComputesFromTheNewHeightAndTheKeptValues)
{
    Enter("170", "65", kFemaleRadio);
    ExpectSentence(PressOk(), "귀하는 BMI 지수가 22.49 이므로 정상입니다. ", kGreen);

    // 65 kg at 185 cm is 18.99: normal for the kept 여자, underweight had 남자 been read.
    Enter("185", "", kMaleRadio);
    ASSERT_EQ(uitest::Text(m_page, kWeightEdit), "");
    uitest::MessageBoxRecorder prompts;
    const Painted painted = PressOk();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"숫자를 입력하십시오."});
    ExpectSentence(painted, "귀하는 BMI 지수가 18.99 이므로 정상입니다. ", kGreen);
    EXPECT_EQ(uitest::Text(m_page, kWeightEdit), "");
}

TEST_F(BmiPageTest, AHeightThatIsNoNumberKeepsEveryMember)
{
    Enter("160", "50", kFemaleRadio);
    ExpectSentence(PressOk(), "귀하는 BMI 지수가 19.53 이므로 정상입니다. ", kGreen);

    for (const char* bad : {"abc", "1e999", "nan", "inf", "17O"}) {
        SCOPED_TRACE(bad);
        Enter(bad, "90", kMaleRadio);
        uitest::MessageBoxRecorder prompts;
        const Painted painted = PressOk();
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"숫자를 입력하십시오."});
        ExpectSentence(painted, "귀하는 BMI 지수가 19.53 이므로 정상입니다. ", kGreen);
    }
}

TEST_F(BmiPageTest, TheSexTakesEffectOnlyAtTheNextOk)
{
    Enter("160", "50", kFemaleRadio);
    ExpectSentence(PressOk(), "귀하는 BMI 지수가 19.53 이므로 정상입니다. ", kGreen);

    ASSERT_TRUE(uitest::Click(m_page, kMaleRadio));
    ASSERT_TRUE(uitest::WaitUntil([this] { return uitest::IsChecked(m_page, kMaleRadio); }));
    EXPECT_FALSE(uitest::IsChecked(m_page, kFemaleRadio));
    ExpectSentence(Repaint(), "귀하는 BMI 지수가 19.53 이므로 정상입니다. ", kGreen);

    ExpectSentence(PressOk(), "귀하는 BMI 지수가 19.53 이므로 저체중입니다. ", kDarkRed);
}

TEST_F(BmiPageTest, HidingAndShowingRepaintsTheStoredResultWithoutComputing)
{
    Enter("170", "65", kFemaleRadio);
    ExpectSentence(PressOk(), "귀하는 BMI 지수가 22.49 이므로 정상입니다. ", kGreen);
    ASSERT_TRUE(uitest::TypeText(m_page, kWeightEdit, "100")); // not taken: no OK

    m_page->ShowWindow(SW_HIDE);
    ASSERT_TRUE(uitest::WaitUntil([this] { return !uitest::IsVisible(m_page); }));
    CDrawRecorder recorder;
    m_page->ShowWindow(SW_SHOW);
    ASSERT_TRUE(uitest::WaitUntil([&] { return !recorder.EntriesFor(m_page->GetSafeHwnd()).empty(); }));
    const Painted painted(recorder.EntriesFor(m_page->GetSafeHwnd()));
    ExpectSentence(painted, "귀하는 BMI 지수가 22.49 이므로 정상입니다. ", kGreen);
    painted.ExpectShowsAll(kFormulaAndLegend);
}

// Keys -------------------------------------------------------------------------------------------------

TEST_F(BmiPageTest, EnterAndEscapeDoNothingInAnyControl)
{
    Enter("170", "65", kFemaleRadio);
    uitest::MessageBoxRecorder prompts;
    for (const int id : {kHeightEdit, kWeightEdit, kMaleRadio, kFemaleRadio, kOkButton}) {
        for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
            SCOPED_TRACE("control " + std::to_string(id) + (key == VK_RETURN ? " Enter" : " Escape"));
            ASSERT_TRUE(uitest::PressKey(m_page, id, key));
            uitest::ProcessEvents();
            EXPECT_TRUE(uitest::IsVisible(m_page)); // Escape would end the dialog, which hides it
            ExpectNoResult(Repaint()); // Enter would press OK
        }
    }
    EXPECT_TRUE(prompts.Texts().empty());
    EXPECT_EQ(uitest::Text(m_page, kHeightEdit), "170");
    EXPECT_EQ(uitest::Text(m_page, kWeightEdit), "65");
    EXPECT_TRUE(uitest::IsChecked(m_page, kFemaleRadio)); // a key that moved the focus did not click
    ExpectNoResult(Repaint());
}

TEST_F(BmiPageTest, OtherKeysKeepTheDialogBehaviour)
{
    ASSERT_TRUE(uitest::PressKey(m_page, kHeightEdit, VK_TAB));
    EXPECT_TRUE(uitest::WaitUntil([this] { return uitest::HasFocus(m_page, kWeightEdit); }));
}

// Bands and control colours ------------------------------------------------------------------------------

TEST_F(BmiPageTest, ThreeBandsBehindTheInputRowsThenWhite)
{
    Repaint();
    EXPECT_EQ(uitest::PixelColor(m_page, 460, 2), kBandColorEven);
    EXPECT_EQ(uitest::PixelColor(m_page, 460, 31), kBandColorEven);
    EXPECT_EQ(uitest::PixelColor(m_page, 460, 32), kBandColorOdd);
    EXPECT_EQ(uitest::PixelColor(m_page, 5, 63), kBandColorOdd);
    EXPECT_EQ(uitest::PixelColor(m_page, 5, 64), kBandColorEven);
    EXPECT_EQ(uitest::PixelColor(m_page, 460, 95), kBandColorEven);
    EXPECT_EQ(uitest::PixelColor(m_page, 460, 96), kWhite);
    EXPECT_EQ(uitest::PixelColor(m_page, 460, 249), kWhite);
}

TEST_F(BmiPageTest, TheSexRadioButtonsReadGreyOnTheOddBand)
{
    Repaint();
    for (const int id : {kMaleRadio, kFemaleRadio}) {
        SCOPED_TRACE(id);
        const CRect rect = uitest::ControlRect(m_page, id);
        ASSERT_FALSE(rect.IsRectEmpty());
        int background = 0;
        int darkest = 255;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left + rect.Width() / 2; x < rect.right; ++x) { // the caption half
                const COLORREF c = uitest::PixelColor(m_page, x, y);
                background += c == kBandColorOdd;
                darkest = std::min<int>(darkest, std::min({GetRValue(c), GetGValue(c), GetBValue(c)}));
            }
        }
        EXPECT_GT(background, rect.Height() * rect.Width() / 4);
        EXPECT_LE(darkest, 170);  // the caption is there
        EXPECT_GE(darkest, 120);  // and grey, not black
    }
}

// The colour request that the layer sends when a control paints, answered by the page.
TEST_F(BmiPageTest, ColourRequestsOfTheRadioButtonsAnswerGreyOnTheOddBand)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    for (const int id : {kMaleRadio, kFemaleRadio}) {
        SCOPED_TRACE(id);
        dc.SetTextColor(RGB(0, 0, 0));
        const auto brush = reinterpret_cast<HBRUSH>(m_page->SendMessage(
            WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
            reinterpret_cast<LPARAM>(m_page->GetDlgItem(id)->GetSafeHwnd())));
        COLORREF color = 0;
        ASSERT_TRUE(GetBrushColor(brush, &color));
        EXPECT_EQ(color, kBandColorOdd);
        EXPECT_EQ(brush, HeldControlBrush());
        EXPECT_EQ(dc.GetTextColor(), kLabelColor);
        EXPECT_EQ(dc.GetBkColor(), kBandColorOdd);
    }

    // The edits keep the standard colouring, and the brush held for the radio buttons is let go.
    const auto brush = reinterpret_cast<HBRUSH>(m_page->SendMessage(
        WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
        reinterpret_cast<LPARAM>(m_page->GetDlgItem(kHeightEdit)->GetSafeHwnd())));
    EXPECT_EQ(HeldControlBrush(), nullptr);
    COLORREF color = 0;
    EXPECT_TRUE(!GetBrushColor(brush, &color) || color != kBandColorOdd);
    EXPECT_NE(dc.GetTextColor(), kLabelColor);
}

// The colouring routine on its own, with the tables of the three body pages.
TEST_F(BmiPageTest, ColouringRoutineHoldsOneBrushOfTheListedBandColour)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBrush standard(RGB(1, 2, 3));
    const BandControl waistHip[] = {{IDC_WAIST_INCH, kBandColorEven}, {IDC_WAIST_CM, kBandColorEven}, {IDC_MALE, kBandColorEven},
                                    {IDC_FEMALE, kBandColorEven}, {IDC_HIP_INCH, kBandColorOdd}, {IDC_HIP_CM, kBandColorOdd}};
    const BandControl bmi[] = {{IDC_MALE, kBandColorOdd}, {IDC_FEMALE, kBandColorOdd}};
    CWnd* male = m_page->GetDlgItem(kMaleRadio);
    CWnd* height = m_page->GetDlgItem(kHeightEdit);

    const HBRUSH first = ColorBandControl(standard, &dc, male, bmi);
    COLORREF color = 0;
    ASSERT_TRUE(GetBrushColor(first, &color));
    EXPECT_EQ(color, kBandColorOdd);
    EXPECT_EQ(HeldControlBrush(), first);
    EXPECT_EQ(dc.GetTextColor(), kLabelColor);
    EXPECT_EQ(dc.GetBkColor(), kBandColorOdd);

    // The same control in another page's table takes that table's colour; the old brush is gone
    // (its handle may be reused for the new one).
    const HBRUSH second = ColorBandControl(standard, &dc, male, waistHip);
    EXPECT_TRUE(second == first || !GetBrushColor(first, &color));
    ASSERT_TRUE(GetBrushColor(second, &color));
    EXPECT_EQ(color, kBandColorEven);
    EXPECT_EQ(dc.GetBkColor(), kBandColorEven);
    EXPECT_EQ(HeldControlBrush(), second);

    // An unlisted control keeps the standard colouring, and no control brush is left.
    dc.SetTextColor(RGB(0, 0, 0));
    EXPECT_EQ(ColorBandControl(standard, &dc, height, bmi), static_cast<HBRUSH>(standard));
    EXPECT_FALSE(GetBrushColor(second, &color));
    EXPECT_EQ(HeldControlBrush(), nullptr);
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_TRUE(GetBrushColor(standard, &color)); // never deleted here
}

// Pictures ---------------------------------------------------------------------------------------------

// The sentence is not only drawn but seen: its colour shows on the page's picture along its line, where
// nothing is green before a result. Both pictures are kept in the test folder for a person to look at.
TEST_F(BmiPageTest, TheResultSentenceShowsOnThePagePictureInItsColour)
{
    const std::string dir = ::testing::TempDir();
    const CRect sentenceLine(20, 112, 470, 124);
    EXPECT_EQ(uitest::CountPixels(m_page, sentenceLine, kGreen), 0);
    EXPECT_TRUE(uitest::SaveImage(m_page, dir + "bmi-empty.png"));
    Enter("170", "65", kFemaleRadio);
    ExpectSentence(PressOk(), "귀하는 BMI 지수가 22.49 이므로 정상입니다. ", kGreen);
    EXPECT_GT(uitest::CountPixels(m_page, sentenceLine, kGreen), 100);
    EXPECT_TRUE(uitest::SaveImage(m_page, dir + "bmi-result.png"));
}

} // namespace
