// The BMI page as a person uses it: typing into the edits, clicking the radio buttons and OK, and
// reading what the page paints (texts, positions, colours) and a few pixels of its picture.

#include "BodyPageTest.h"

#include "body/BmiDlg.h"
#include "platform/Afx.h"
#include "platform/testing/TestDriver.h"
#include "res/Resource.h"
#include "ui/SkinColors.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace bodytest;

constexpr int kHeightEdit = IDC_HEIGHT;
constexpr int kWeightEdit = IDC_WEIGHT;
constexpr int kMaleRadio = IDC_MALE;
constexpr int kFemaleRadio = IDC_FEMALE;
constexpr int kOkButton = IDC_OK;

const char* const kSentencePrefix = "귀하는 BMI 지수가 ";

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

// The BMI page, shown as the main window shows it.
class BmiPageTest : public PageTest<CBmiDlg> {
protected:
    BmiPageTest() : PageTest(kLabels[0].text) {}

    void Enter(const std::string& height, const std::string& weight, int sexRadio)
    {
        Type(kHeightEdit, height);
        Type(kWeightEdit, weight);
        Choose(sexRadio);
    }

    // A result sentence at its place in its colour.
    static void ExpectSentence(const Painted& painted, const std::string& text, COLORREF color)
    {
        const DrawnText* sentence = painted.FindStartingWith(kSentencePrefix);
        ASSERT_NE(sentence, nullptr);
        EXPECT_EQ(sentence->text, text);
        EXPECT_EQ(sentence->x, 20);
        EXPECT_EQ(sentence->y, 112);
        EXPECT_EQ(sentence->color, color);
    }
    static void ExpectNoResult(const Painted& painted)
    {
        EXPECT_EQ(painted.FindStartingWith(kSentencePrefix), nullptr);
        painted.ExpectShowsAll(kObesityParagraph);
        painted.ExpectShowsNone(kFormulaAndLegend);
    }
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
        ASSERT_NE(PressOk().FindStartingWith(kSentencePrefix), nullptr);

        Enter(c.height, c.weight, kFemaleRadio);
        ExpectNoResult(PressOk());
    }
}

// Reading the fields ---------------------------------------------------------------------------------

// An entry that does not parse, after 여자 160 cm, 50 kg (19.53, normal) and with 남자 clicked: the
// prompt once, for the first field that fails; nothing is computed, and the next OK that reads every field
// computes from all of them (the index read with 남자 would say underweight).
struct RefusedEntry {
    const char* height;
    const char* weight;
    int field;
};

const RefusedEntry kRefusedEntries[] = {
    {"abc", "90", kHeightEdit}, {"1e999", "90", kHeightEdit}, {"nan", "90", kHeightEdit},
    {"inf", "90", kHeightEdit}, {"17O", "90", kHeightEdit},   {"185", "", kWeightEdit},
    {"185", "sixty", kWeightEdit},
};

TEST_F(BmiPageTest, ARefusedEntryComputesNothingAndTheNextGoodOneDoes)
{
    Enter("160", "50", kFemaleRadio);
    ExpectSentence(PressOk(), "귀하는 BMI 지수가 19.53 이므로 정상입니다. ", kGreen);
    for (const RefusedEntry& c : kRefusedEntries) {
        SCOPED_TRACE(std::string(c.height) + " cm, " + c.weight + " kg");
        Enter(c.height, c.weight, kMaleRadio);
        ExpectRefused(c.field, "숫자를 입력하십시오.");
        ExpectSentence(Repaint(), "귀하는 BMI 지수가 19.53 이므로 정상입니다. ", kGreen);
        EXPECT_EQ(uitest::Text(m_page, c.field), c.field == kHeightEdit ? c.height : c.weight);
    }
    Enter("160", "50", kMaleRadio);
    ExpectSentence(PressOk(), "귀하는 BMI 지수가 19.53 이므로 저체중입니다. ", kDarkRed);
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
    Type(kWeightEdit, "100"); // not taken: no OK

    const Painted painted = HideAndShow();
    ExpectSentence(painted, "귀하는 BMI 지수가 22.49 이므로 정상입니다. ", kGreen);
    painted.ExpectShowsAll(kFormulaAndLegend);
}

// Keys -------------------------------------------------------------------------------------------------

TEST_F(BmiPageTest, EnterAndEscapeDoNothingInAnyControl)
{
    Enter("170", "65", kFemaleRadio);
    ExpectEnterAndEscapeDoNothing({kHeightEdit, kWeightEdit, kMaleRadio, kFemaleRadio, kOkButton}, ExpectNoResult);
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

TEST_F(BmiPageTest, ThreeBandsBehindTheInputRowsThenWhiteAndTheSexGreyOnItsBand)
{
    ExpectBands(3);
    ExpectGreyCaptionOn(kMaleRadio, kBandColorOdd);
    ExpectGreyCaptionOn(kFemaleRadio, kBandColorOdd);
}

// The colour requests that the layer sends when a control paints, answered by the page.
TEST_F(BmiPageTest, OnlyTheSexRadioButtonsAreColouredGreyOnTheOddBand)
{
    ExpectBandColouring(kMaleRadio, kBandColorOdd);
    ExpectBandColouring(kFemaleRadio, kBandColorOdd);
    ExpectStandardColouring(kHeightEdit);
    ExpectStandardColouring(kWeightEdit);
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
